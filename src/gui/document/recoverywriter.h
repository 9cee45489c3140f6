// The layout document's crash-recovery copy (see core/layout/recoveryfile.h
// for its form). While the layout has unsaved changes a copy of it is written
// at most once a second, a second after the first change that is not yet in
// the copy; once the layout is unchanged again (saved, opened, new, or undone
// to its file) the copy goes. A clean exit discards it; a crash, a kill or a
// power loss leaves it for the next start to offer.
//
// Each running copy of the program writes its own recovery copy and holds a
// lock file beside it, so the next start offers only copies whose program has
// gone (orphans), never one that is still in use.
#pragma once

#include "core/layout/recoveryfile.h"

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

namespace tarvik::gui {

class LayoutDocument;

class RecoveryWriter : public QObject
{
    Q_OBJECT
public:
    // Where this run's copy goes: a new name in folder.
    RecoveryWriter(LayoutDocument &document, const QString &folder);

    QString path() const { return m_path; }
    // Writes the copy at once when the layout is changed, else removes it;
    // false when a needed copy could not be written.
    bool update();
    // The user left on purpose: no copy is needed any more.
    void discard();

    // The copies in folder that no running program holds, newest first.
    static QStringList orphans(const QString &folder);
    // Locks an orphan for as long as the returned lock lives (nullptr when
    // another program took it meanwhile).
    static std::unique_ptr<QLockFile> claim(const QString &copy);

    // How long the copy may lag behind the layout, in milliseconds.
    static constexpr int kDelayMs = 1000;

private:
    void changed();

    LayoutDocument &m_document;
    QString m_path;
    QLockFile m_lock;
    QTimer m_timer;
    bool m_failed = false; // said once on stderr, then kept quiet
};

} // namespace tarvik::gui
