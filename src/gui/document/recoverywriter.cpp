// The crash-recovery copy; see recoverywriter.h.
#include "gui/document/recoverywriter.h"

#include "gui/document/layoutdocument.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <cstdio>

namespace tarvik::gui {

namespace {

QString lockPathOf(const QString &copy)
{
    return copy + QStringLiteral(".lock");
}

// A lock is stale only once the program that holds it has gone, however long
// that program has been running.
void onlyStaleWhenGone(QLockFile &lock)
{
    lock.setStaleLockTime(0);
}

} // namespace

RecoveryWriter::RecoveryWriter(LayoutDocument &document, const QString &folder)
    : m_document(document)
    , m_path(QDir(folder).filePath(QStringLiteral("recovery-%1-%2.tkr")
                                       .arg(QDateTime::currentMSecsSinceEpoch())
                                       .arg(QCoreApplication::applicationPid())))
    , m_lock(lockPathOf(m_path))
{
    QDir().mkpath(folder);
    onlyStaleWhenGone(m_lock);
    m_lock.tryLock(0);
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryWriter::update);
    connect(&document, &LayoutDocument::layoutChanged, this, &RecoveryWriter::changed);
}

void RecoveryWriter::changed()
{
    if (!m_document.isChanged()) {
        m_timer.stop();
        QFile::remove(m_path);
    } else if (!m_timer.isActive()) {
        // Not restarted by later changes: a steady stream of edits is still
        // copied once a second.
        m_timer.start();
    }
}

bool RecoveryWriter::update()
{
    m_timer.stop();
    if (!m_document.isChanged()) {
        QFile::remove(m_path);
        return true;
    }
    RecoveryData data;
    data.file = m_document.currentFile().toStdString();
    data.savedAt = QDateTime::currentSecsSinceEpoch();
    data.layout = m_document.state().vehicleData();
    const WriteResult written = writeRecoveryFile(m_path.toStdString(), data);
    if (!written.ok && !m_failed) {
        // Nothing the user can act on at this moment; a message every second
        // would be worse than none.
        m_failed = true;
        std::fprintf(stderr, "tarvik: no crash-recovery copy: %s\n", written.message.c_str());
    }
    return written.ok;
}

void RecoveryWriter::discard()
{
    disconnect(&m_document, nullptr, this, nullptr);
    m_timer.stop();
    QFile::remove(m_path);
}

QStringList RecoveryWriter::orphans(const QString &folder)
{
    const QDir dir(folder);
    QStringList copies;
    for (const QString &name :
        dir.entryList({ QStringLiteral("recovery-*.tkr") }, QDir::Files, QDir::Time)) {
        const QString copy = dir.filePath(name);
        if (claim(copy)) {
            copies.append(copy);
        }
    }
    return copies;
}

std::unique_ptr<QLockFile> RecoveryWriter::claim(const QString &copy)
{
    auto lock = std::make_unique<QLockFile>(lockPathOf(copy));
    onlyStaleWhenGone(*lock);
    if (!lock->tryLock(0)) {
        return nullptr;
    }
    return lock;
}

} // namespace tarvik::gui
