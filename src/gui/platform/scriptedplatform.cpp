// Scripted answers for tests; see scriptedplatform.h for the contract.
#include "gui/platform/scriptedplatform.h"

#include <QPrinter>
#include <QtGlobal>

namespace tarvik::gui {

namespace {

const char *kindName(PlatformRequest::Kind kind)
{
    switch (kind) {
    case PlatformRequest::Kind::Message:
        return "message box";
    case PlatformRequest::Kind::Input:
        return "text input";
    case PlatformRequest::Kind::OpenFile:
        return "open-file dialog";
    case PlatformRequest::Kind::SaveFile:
        return "save-file dialog";
    case PlatformRequest::Kind::PrinterSetup:
        return "printer set-up dialog";
    case PlatformRequest::Kind::PrintDialog:
        return "print preview";
    case PlatformRequest::Kind::Size:
        return "size dialog";
    case PlatformRequest::Kind::OpenDocument:
        return "open document";
    case PlatformRequest::Kind::IntroMessage:
        return "intro message";
    case PlatformRequest::Kind::TextWindow:
        return "text window";
    case PlatformRequest::Kind::OpenUrl:
        return "web address";
    case PlatformRequest::Kind::StartProgram:
        return "program start";
    case PlatformRequest::Kind::SeekFile:
        return "file seek window";
    }
    return "request";
}

} // namespace

void ScriptedPlatform::answerMessage(MessageAnswer answer)
{
    m_answers.append({ PlatformRequest::Kind::Message, answer, {}, false, {} });
}

void ScriptedPlatform::answerInput(const QString &text)
{
    m_answers.append({ PlatformRequest::Kind::Input, MessageAnswer::Ok, text, false, {} });
}

void ScriptedPlatform::answerInputCancelled()
{
    Answer answer { PlatformRequest::Kind::Input, MessageAnswer::Cancel, {}, false, {} };
    answer.cancelled = true;
    m_answers.append(answer);
}

void ScriptedPlatform::answerIntroMessage(bool dontShowAgain)
{
    m_answers.append(
        { PlatformRequest::Kind::IntroMessage, MessageAnswer::Ok, {}, dontShowAgain, {} });
}

void ScriptedPlatform::answerStart(bool started)
{
    m_answers.append({ PlatformRequest::Kind::StartProgram, MessageAnswer::Ok, {}, started, {} });
}

void ScriptedPlatform::answerOpenFile(const QString &path)
{
    m_answers.append({ PlatformRequest::Kind::OpenFile, MessageAnswer::Ok, path, false, {} });
}

void ScriptedPlatform::answerSeekFile(const QString &path)
{
    m_answers.append({ PlatformRequest::Kind::SeekFile, MessageAnswer::Ok, path, false, {} });
}

void ScriptedPlatform::answerSaveFile(const QString &path)
{
    m_answers.append({ PlatformRequest::Kind::SaveFile, MessageAnswer::Ok, path, false, {} });
}

void ScriptedPlatform::answerPrinterSetup(bool accepted)
{
    m_answers.append({ PlatformRequest::Kind::PrinterSetup, MessageAnswer::Ok, {}, accepted, {} });
}

void ScriptedPlatform::answerPrintDialog(bool accepted, PrinterSetter configure)
{
    m_answers.append({ PlatformRequest::Kind::PrintDialog, MessageAnswer::Ok, {}, accepted,
        std::move(configure) });
}

QList<PlatformRequest> ScriptedPlatform::messages() const
{
    QList<PlatformRequest> result;
    for (const PlatformRequest &request : m_requests) {
        if (request.kind == PlatformRequest::Kind::Message) {
            result.append(request);
        }
    }
    return result;
}

QStringList ScriptedPlatform::messageTexts() const
{
    QStringList result;
    for (const PlatformRequest &request : messages()) {
        result.append(request.text);
    }
    return result;
}

void ScriptedPlatform::clearRecord()
{
    m_requests.clear();
    m_beeps = 0;
}

ScriptedPlatform::Answer ScriptedPlatform::take(const PlatformRequest &request)
{
    m_requests.append(request);
    if (m_answers.isEmpty() || m_answers.constFirst().kind != request.kind) {
        const QString expected = m_answers.isEmpty()
            ? QStringLiteral("no answer left")
            : QStringLiteral("next answer is for a %1").arg(kindName(m_answers.constFirst().kind));
        qFatal("ScriptedPlatform: unscripted %s \"%s\" / \"%s\" (%s)", kindName(request.kind),
            qPrintable(request.title), qPrintable(request.text), qPrintable(expected));
    }
    return m_answers.takeFirst();
}

MessageAnswer ScriptedPlatform::message(QWidget *, const QString &title, const QString &text,
    MessageButtons buttons, MessageIcon icon, std::optional<MessageAnswer> defaultButton)
{
    PlatformRequest request;
    request.kind = PlatformRequest::Kind::Message;
    request.title = title;
    request.text = text;
    request.buttons = buttons;
    request.icon = icon;
    request.defaultButton = defaultButton;
    // An OK-only box has one possible answer: recorded, never scripted.
    if (buttons == MessageButtons::Ok) {
        m_requests.append(request);
        return MessageAnswer::Ok;
    }
    return take(request).message;
}

std::optional<QString> ScriptedPlatform::askText(
    QWidget *, const QString &title, const QString &prompt, const QString &defaultText)
{
    PlatformRequest request;
    request.kind = PlatformRequest::Kind::Input;
    request.title = title;
    request.text = prompt;
    request.defaultText = defaultText;
    const Answer answer = take(request);
    if (answer.cancelled) {
        return std::nullopt;
    }
    return answer.text;
}

QString ScriptedPlatform::openFileName(QWidget *, const FileDialogRequest &file)
{
    PlatformRequest request;
    request.kind = PlatformRequest::Kind::OpenFile;
    request.title = file.title;
    request.file = file;
    return take(request).text;
}

QString ScriptedPlatform::seekFile(QWidget *, const QString &name)
{
    PlatformRequest request;
    request.kind = PlatformRequest::Kind::SeekFile;
    request.text = name;
    return take(request).text;
}

QString ScriptedPlatform::saveFileName(QWidget *, const FileDialogRequest &file)
{
    PlatformRequest request;
    request.kind = PlatformRequest::Kind::SaveFile;
    request.title = file.title;
    request.file = file;
    return take(request).text;
}

bool ScriptedPlatform::printerSetup(QWidget *, QPrinter &)
{
    PlatformRequest request;
    request.kind = PlatformRequest::Kind::PrinterSetup;
    return take(request).accepted;
}

PrintOutcome ScriptedPlatform::printPreview(QWidget *, QPrinter &printer, const PagePainter &paint)
{
    PlatformRequest request;
    request.kind = PlatformRequest::Kind::PrintDialog;
    Answer answer = take(request);
    if (!answer.accepted) {
        return PrintOutcome::Cancelled;
    }
    if (answer.configure) {
        answer.configure(printer);
    }
    return paint(printer) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

void ScriptedPlatform::answerSize(std::optional<QSize> size)
{
    Answer answer { PlatformRequest::Kind::Size, MessageAnswer::Ok, {}, size.has_value(), {} };
    answer.size = size.value_or(QSize());
    m_answers.append(answer);
}

std::optional<QSize> ScriptedPlatform::askSize(
    QWidget *, const QString &title, const QSize &initial, const QSize &, const QSize &)
{
    PlatformRequest request;
    request.kind = PlatformRequest::Kind::Size;
    request.title = title;
    request.defaultText = QStringLiteral("%1x%2").arg(initial.width()).arg(initial.height());
    const Answer answer = take(request);
    return answer.accepted ? std::optional<QSize>(answer.size) : std::nullopt;
}

void ScriptedPlatform::beep()
{
    ++m_beeps;
}

bool ScriptedPlatform::openDocument(const QString &path)
{
    PlatformRequest request;
    request.kind = PlatformRequest::Kind::OpenDocument;
    request.text = path;
    m_requests.append(request);
    return true;
}

bool ScriptedPlatform::openUrl(const QString &address)
{
    PlatformRequest request;
    request.kind = PlatformRequest::Kind::OpenUrl;
    request.text = address;
    return takeStart(request);
}

bool ScriptedPlatform::startProgram(const QString &program, const QStringList &arguments)
{
    PlatformRequest request;
    request.kind = PlatformRequest::Kind::StartProgram;
    request.text = program;
    request.arguments = arguments;
    return takeStart(request);
}

bool ScriptedPlatform::takeStart(const PlatformRequest &request)
{
    m_requests.append(request);
    if (!m_answers.isEmpty()
        && m_answers.constFirst().kind == PlatformRequest::Kind::StartProgram) {
        return m_answers.takeFirst().accepted;
    }
    return true;
}

bool ScriptedPlatform::introMessage(QWidget *, int kind, QWidget *pointAt)
{
    PlatformRequest request;
    request.kind = PlatformRequest::Kind::IntroMessage;
    request.introKind = kind;
    request.pointerLines = pointAt != nullptr;
    if (!m_answers.isEmpty()
        && m_answers.constFirst().kind == PlatformRequest::Kind::IntroMessage) {
        return take(request).accepted;
    }
    m_requests.append(request);
    return false;
}

void ScriptedPlatform::textWindow(QWidget *, const QString &title, const QString &text)
{
    PlatformRequest request;
    request.kind = PlatformRequest::Kind::TextWindow;
    request.title = title;
    request.text = text;
    m_requests.append(request);
}

} // namespace tarvik::gui
