// The vehicle-file dialogs' folders; see vehiclefolders.h.
#include "gui/app/vehiclefolders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace tarvik::gui {

namespace {

const QString kLastFolderKey = QStringLiteral("vehicleFiles/lastFolder");

} // namespace

VehicleFolders::VehicleFolders(
    const QString &configDir, const QString &examples, const QString &documents)
    : m_examples(examples)
    , m_documents(documents)
{
    if (!configDir.isEmpty()) {
        m_stateFile = QDir(configDir).filePath(QStringLiteral("folders.ini"));
        m_lastUsed = QSettings(m_stateFile, QSettings::IniFormat).value(kLastFolderKey).toString();
    }
}

QString VehicleFolders::userFolder() const
{
    return m_documents.isEmpty() ? QString() : QDir(m_documents).filePath(QStringLiteral("Tarvik"));
}

QString VehicleFolders::lastUsed() const
{
    // A folder that has gone since (a removed stick, a renamed folder) is forgotten.
    return !m_lastUsed.isEmpty() && QFileInfo(m_lastUsed).isDir() ? m_lastUsed : QString();
}

QString VehicleFolders::openFolder() const
{
    const QString last = lastUsed();
    return last.isEmpty() ? m_examples : last;
}

QString VehicleFolders::saveFolder() const
{
    const QString last = lastUsed();
    if (!last.isEmpty() && QFileInfo(last).isWritable()) {
        return last;
    }
    const QString own = userFolder();
    if (!own.isEmpty() && QDir().mkpath(own)) {
        return own;
    }
    return m_examples;
}

QStringList VehicleFolders::sidebar() const
{
    QStringList folders;
    for (const QString &folder : { m_examples, userFolder() }) {
        if (!folder.isEmpty()) {
            folders.append(folder);
        }
    }
    return folders;
}

void VehicleFolders::remember(const QString &filePath)
{
    m_lastUsed = QFileInfo(filePath).absolutePath();
    if (!m_stateFile.isEmpty()) {
        QDir().mkpath(QFileInfo(m_stateFile).absolutePath());
        QSettings state(m_stateFile, QSettings::IniFormat);
        state.setValue(kLastFolderKey, m_lastUsed);
    }
}

} // namespace tarvik::gui
