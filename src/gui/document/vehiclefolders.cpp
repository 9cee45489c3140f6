// The vehicle-file dialogs' folders; see vehiclefolders.h.
#include "gui/document/vehiclefolders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace tarvik::gui {

namespace {

const QString kLastFolderKey = QStringLiteral("vehicleFiles/lastFolder");
const QString kRecentKey = QStringLiteral("vehicleFiles/recent");

} // namespace

VehicleFolders::VehicleFolders(
    const QString &configDir, const QString &examples, const QString &documents)
    : m_examples(examples)
    , m_documents(documents)
{
    if (!configDir.isEmpty()) {
        m_stateFile = QDir(configDir).filePath(QStringLiteral("folders.ini"));
        const QSettings state(m_stateFile, QSettings::IniFormat);
        m_lastUsed = state.value(kLastFolderKey).toString();
        m_recent = state.value(kRecentKey).toStringList().mid(0, kRecentFiles);
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
    const QFileInfo file(filePath);
    m_lastUsed = file.absolutePath();
    m_recent.removeAll(file.absoluteFilePath());
    m_recent.prepend(file.absoluteFilePath());
    m_recent = m_recent.mid(0, kRecentFiles);
    if (!m_stateFile.isEmpty()) {
        QDir().mkpath(QFileInfo(m_stateFile).absolutePath());
        QSettings state(m_stateFile, QSettings::IniFormat);
        state.setValue(kLastFolderKey, m_lastUsed);
        state.setValue(kRecentKey, m_recent);
    }
}

QStringList VehicleFolders::recentFiles() const
{
    QStringList existing;
    for (const QString &file : m_recent) {
        if (QFileInfo(file).isFile()) {
            existing.append(file);
        }
    }
    return existing;
}

} // namespace tarvik::gui
