// The platform layer: every question the program asks the user and every
// outside service it uses goes through this interface, so that windows can
// be driven by tests with scripted answers. QtPlatform is the real one,
// ScriptedPlatform the test double. No window calls exec() on a dialog of its
// own for something the user answers: it goes through here.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace tarvik::gui {

enum class MessageIcon { None, Information, Question, Exclamation, Critical };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

enum class PrintOutcome { Cancelled, Printed, Failed };
// Draws a print command's pages on a printer (or its preview); false when
// the printer could not be started. It may be called many times.
using PagePainter = std::function<bool(QPrinter &)>;

struct FileDialogRequest
{
    QString title;
    QString filter = QStringLiteral("All Files (*.*)");
    QString folder;
    QString fileName;
    bool mustExist = false; // open dialog
    bool confirmOverwrite = true; // save dialog
    // Added to a name typed without an extension, before the overwrite question.
    QString defaultSuffix;
    QStringList sidebar; // folders offered beside the file list
};

class Platform
{
public:
    virtual ~Platform() = default;

    // A message box. defaultButton: the button Enter presses (the first one
    // when not given).
    virtual MessageAnswer message(QWidget *parent, const QString &title, const QString &text,
        MessageButtons buttons, MessageIcon icon,
        std::optional<MessageAnswer> defaultButton = std::nullopt)
        = 0;
    // One-line text input: the text, or nothing when the user cancelled.
    virtual std::optional<QString> askText(
        QWidget *parent, const QString &title, const QString &prompt, const QString &defaultText)
        = 0;
    // The same where a cancelled input counts as an empty text.
    QString inputText(
        QWidget *parent, const QString &title, const QString &prompt, const QString &defaultText)
    {
        return askText(parent, title, prompt, defaultText).value_or(QString());
    }
    // File names; empty when cancelled.
    virtual QString openFileName(QWidget *parent, const FileDialogRequest &request) = 0;
    virtual QString saveFileName(QWidget *parent, const FileDialogRequest &request) = 0;
    // The system's printer set-up dialog; false when cancelled.
    virtual bool printerSetup(QWidget *parent, QPrinter &printer) = 0;
    // Every print command: a preview of the pages, from which the user
    // prints (through the print dialog) or exports a PDF. Printed or Failed
    // say how the print went; an exported PDF alone is Cancelled.
    virtual PrintOutcome printPreview(QWidget *parent, QPrinter &printer, const PagePainter &paint)
        = 0;
    // A picture size in pixels within minimum and maximum, or nothing when
    // the user cancelled.
    virtual std::optional<QSize> askSize(QWidget *parent, const QString &title,
        const QSize &initial, const QSize &minimum, const QSize &maximum)
        = 0;
    virtual void beep() = 0;
    // Opens an outside document (manual, readme) in the desktop's viewer.
    virtual bool openDocument(const QString &path) = 0;
    // Opens a web address in the desktop's browser.
    virtual bool openUrl(const QString &address) = 0;
    // Starts an outside program with its arguments, not waiting for it;
    // false when it could not be started.
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;
    // An intro help message (its kind's caption and text); pointAt, when
    // given, is the widget the message's pointer lines run to. True when
    // the user ticked "Don't show this again".
    virtual bool introMessage(QWidget *parent, int kind, QWidget *pointAt) = 0;
    // A window of text with a Print button that prints the window's image,
    // closed by the user (the screen-resolution warning).
    virtual void textWindow(QWidget *parent, const QString &title, const QString &text) = 0;
    // The file seek window for a program called name over the mounted file
    // systems; the full path the user chose, or empty.
    virtual QString seekFile(QWidget *parent, const QString &name) = 0;
};

} // namespace tarvik::gui
