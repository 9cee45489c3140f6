// The test double of the platform layer. Tests queue the answers the user
// would give, in the order the questions come; every question asked is
// recorded so a test can check the exact title, text, buttons and icon.
// A question with no matching scripted answer stops the test run at once
// (qFatal), naming the question, so a missing or unexpected dialog can never
// pass silently. Messages with only an OK button are recorded and need (and
// take) no scripted answer.
#pragma once

#include "gui/platform/platform.h"

#include <QList>
#include <functional>
#include <optional>

namespace tarvik::gui {

struct PlatformRequest
{
    enum class Kind {
        Message,
        Input,
        OpenFile,
        SaveFile,
        PrinterSetup,
        PrintDialog, // the print preview, answered as its print dialog would be
        Size,
        OpenDocument,
        IntroMessage,
        TextWindow,
        OpenUrl,
        StartProgram,
        SeekFile
    };
    Kind kind = Kind::Message;
    QString title;
    QString text; // message text, input prompt, document path, address, program or name sought
    QStringList arguments; // of a started program
    QString defaultText; // input default
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    std::optional<MessageAnswer> defaultButton;
    int introKind = -1;
    bool pointerLines = false; // an intro message given a widget to point at
    FileDialogRequest file;
};

class ScriptedPlatform : public Platform
{
public:
    using PrinterSetter = std::function<void(QPrinter &)>;

    // Queue answers, in the order the program will ask.
    void answerMessage(MessageAnswer answer);
    void answerInput(const QString &text);
    void answerInputCancelled();
    // The "Don't show this again" box of the next intro message; unscripted
    // intro messages are recorded and left unticked.
    void answerIntroMessage(bool dontShowAgain);
    // Whether the next outside program or address starts (default: it does).
    void answerStart(bool started);
    void answerOpenFile(const QString &path); // "" = cancelled
    void answerSaveFile(const QString &path); // "" = cancelled
    // Printer dialogs: accepted or cancelled; configure may point the printer at a PDF file.
    void answerPrinterSetup(bool accepted);
    // The print preview: accepted prints (the pages drawn on the printer
    // configure sets up), not accepted closes it unprinted.
    void answerPrintDialog(bool accepted, PrinterSetter configure = {});
    void answerSize(std::optional<QSize> size); // nothing = cancelled
    void answerSeekFile(const QString &path); // "" = cancelled

    const QList<PlatformRequest> &requests() const { return m_requests; }
    QList<PlatformRequest> messages() const; // only the message boxes, in order
    QStringList messageTexts() const;
    int beepCount() const { return m_beeps; }
    int pendingAnswers() const { return int(m_answers.size()); }
    void clearRecord();

    MessageAnswer message(QWidget *parent, const QString &title, const QString &text,
        MessageButtons buttons, MessageIcon icon,
        std::optional<MessageAnswer> defaultButton = std::nullopt) override;
    std::optional<QString> askText(QWidget *parent, const QString &title, const QString &prompt,
        const QString &defaultText) override;
    QString openFileName(QWidget *parent, const FileDialogRequest &request) override;
    QString saveFileName(QWidget *parent, const FileDialogRequest &request) override;
    bool printerSetup(QWidget *parent, QPrinter &printer) override;
    PrintOutcome printPreview(
        QWidget *parent, QPrinter &printer, const PagePainter &paint) override;
    std::optional<QSize> askSize(QWidget *parent, const QString &title, const QSize &initial,
        const QSize &minimum, const QSize &maximum) override;
    void beep() override;
    bool openDocument(const QString &path) override;
    // Recorded; the outcome is the next answerStart(), true when none is queued.
    bool openUrl(const QString &address) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
    bool introMessage(QWidget *parent, int kind, QWidget *pointAt) override;
    void textWindow(QWidget *parent, const QString &title, const QString &text) override;
    QString seekFile(QWidget *parent, const QString &name) override;

private:
    struct Answer
    {
        PlatformRequest::Kind kind;
        MessageAnswer message = MessageAnswer::Ok;
        QString text;
        bool accepted = false;
        PrinterSetter configure;
        bool cancelled = false;
        QSize size {};
    };
    Answer take(const PlatformRequest &request);
    bool takeStart(const PlatformRequest &request);

    QList<Answer> m_answers;
    QList<PlatformRequest> m_requests;
    int m_beeps = 0;
};

} // namespace tarvik::gui
