// The platform layer: every question the program asks the user and every
// outside service it uses goes through this interface, so that windows can
// be driven by tests with scripted answers. QtPlatform is the real one,
// ScriptedPlatform the test double.
#pragma once

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace tarvik::gui {

enum class MessageIcon { None, Information, Question, Exclamation, Critical };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct FileDialogRequest
{
    QString title;
    QString filter = QStringLiteral("All Files (*.*)");
    QString folder;
    QString fileName;
    bool mustExist = false; // open dialog
    bool confirmOverwrite = true; // save dialog
    QStringList sidebar; // folders offered beside the file list
};

class Platform
{
public:
    virtual ~Platform() = default;

    virtual MessageAnswer message(QWidget *parent, const QString &title, const QString &text,
                                  MessageButtons buttons, MessageIcon icon)
        = 0;
    // One-line text input; an empty text when cancelled.
    virtual QString inputText(QWidget *parent, const QString &title, const QString &prompt,
                              const QString &defaultText)
        = 0;
    // File names; empty when cancelled.
    virtual QString openFileName(QWidget *parent, const FileDialogRequest &request) = 0;
    virtual QString saveFileName(QWidget *parent, const FileDialogRequest &request) = 0;
    // The system's printer set-up and print dialogs; false when cancelled.
    virtual bool printerSetup(QWidget *parent, QPrinter &printer) = 0;
    virtual bool printDialog(QWidget *parent, QPrinter &printer) = 0;
    virtual void beep() = 0;
    // Opens an outside document (manual, readme) in the desktop's viewer.
    virtual bool openDocument(const QString &path) = 0;
};

} // namespace tarvik::gui
