// The file seek window (frmSeek): searches one mounted file system for a
// program by name when the Help menu cannot find the viewer it needs, and
// lets the user pick one of the places it was found.
//
// The walk (core FileSeek) runs on a worker thread so the window stays
// responsive; a timer copies its counters and matches into the window. The
// "Cancel/Halt" button pauses the walk while it asks "Halt ?" through the
// platform: No lets the walk go on where it was, Yes stops it. When the walk
// ends, one match closes the window at once with that path, none says so
// and leaves the window open for another file system, several show the list
// with the "Use" button. The window's only result is the chosen full path,
// or an empty text when the user cancelled.
#pragma once

#include "core/support/fileseek.h"

#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <memory>
#include <thread>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tarvik::gui {

class Platform;

class SeekWindow : public QDialog
{
    Q_OBJECT

public:
    // name: the bare file name sought; roots: the file systems offered, the
    // first one chosen (the program passes mountedFileSystems(), "/" first).
    SeekWindow(Platform &platform, const QString &name, const QStringList &roots,
        QWidget *parent = nullptr);
    ~SeekWindow() override;

    QString name() const { return m_name; }
    // The chosen path once the window has closed with one; empty otherwise.
    QString chosenPath() const { return m_result; }
    bool isSearching() const { return m_seek != nullptr; }
    QString foldersText() const;
    QString foundCaption() const;
    QString instructionText() const;
    QStringList foundPaths() const;

public slots:
    // "Search": walks the chosen file system from its top.
    void search();
    // "Cancel/Halt": the Halt question while searching, else close with no path.
    void cancelOrHalt();
    // "Use": the selected path, when there is one.
    void useSelected();

protected:
    void reject() override;

private:
    void poll();
    void finishSearch();
    // Stops a running walk and waits for its thread.
    void endWalk();
    void choose(const QString &path);
    void say(const QString &text);
    void showCounts();

    Platform &m_platform;
    QString m_name;
    QString m_result;
    QComboBox *m_roots;
    QLabel *m_instruction;
    QLabel *m_folders;
    QLabel *m_foundCaption;
    QListWidget *m_found;
    QPushButton *m_search;
    QPushButton *m_halt;
    QPushButton *m_use;
    QTimer m_poll;

    // The running walk: the worker thread runs m_seek->run(*m_control).
    std::unique_ptr<FileSeek> m_seek;
    std::unique_ptr<SeekControl> m_control;
    std::thread m_worker;
    std::size_t m_listed = 0; // matches already in the list
    bool m_asking = false; // the Halt question is open
    std::string m_rootSearched;
};

} // namespace tarvik::gui
