// The main window's File commands on the layout document: New, Open, Save,
// Save As and the save questions of New, Open and Exit.
//
// No work is lost behind the user's back: when a save question is answered
// Yes and the save does not happen (cancelled or failed), the command that
// asked stops. A failed write names the file and the reason and leaves the
// current file, title and changed flag as they were; a read-only file is
// refused, with Save As offered instead. The dialogs start in
// the folder last used for a vehicle file (VehicleFolders), list vehicle
// files first, and a name saved without an extension gets ".TK".
#pragma once

#include <QString>

class QWidget;

namespace tarvik::gui {

class LayoutDocument;
class Platform;
class VehicleFolders;

class FileCommands
{
public:
    enum class Question { New, Open, Exit };

    FileCommands(
        Platform &platform, LayoutDocument &document, VehicleFolders &folders, QWidget *window);

    void fileNew();
    void fileOpen();
    // Reads a file without asking; false on a refused file (after saying why).
    bool openFile(const QString &path);
    // A file chosen from the recent files or dropped on the window: the save
    // question first, as for Open.
    bool openAsked(const QString &path);
    QStringList recentFiles() const;
    bool fileSave(); // false when nothing was written
    bool fileSaveAs();
    // With unsaved changes, the command's save question; false when the
    // command must stop (Cancel, or Yes and then no save).
    bool askToSave(Question question);

private:
    bool saveTo(const QString &path);

    Platform &m_platform;
    LayoutDocument &m_document;
    VehicleFolders &m_folders;
    QWidget *m_window;
};

} // namespace tarvik::gui
