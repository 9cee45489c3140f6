// Qt implementation of the platform layer. Dialogs are modal and use the
// exact titles, texts, buttons and icons the caller gives; a cancelled
// dialog is reported as an empty text, an empty file name or false.
#include "gui/platform/qtplatform.h"

#include "core/support/introhelp.h"
#include "core/support/mounttable.h"
#include "gui/common/windowimageprinter.h"
#include "gui/platform/intromessagewindow.h"
#include "gui/platform/pointerlines.h"
#include "gui/platform/printpreview.h"
#include "gui/platform/seekwindow.h"
#include "gui/platform/sizedialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>
#include <memory>

namespace tarvik::gui {

namespace {

// The desktop's default application for a MIME type, as xdg-mime names it
// ("org.gnome.Evince.desktop"); empty when it names none or cannot be asked.
// The desktop's opener reports success as soon as it starts, whether or not
// anything can show the file, so only this tells that the file will open.
QString desktopApplicationFor(const QString &mimeType)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (tool.isEmpty()) {
        return {};
    }
    QProcess query;
    query.start(tool, { QStringLiteral("query"), QStringLiteral("default"), mimeType });
    if (!query.waitForFinished(5000)) {
        query.kill();
        query.waitForFinished();
        return {};
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) {
        return {};
    }
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton qtButton(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok:
        return QMessageBox::Ok;
    case MessageAnswer::Cancel:
        return QMessageBox::Cancel;
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

// The "All Files (*.*)" filter of the old dialogs would hide files without
// an extension on systems where names need no dot; "*" shows every file.
QString qtFilter(const QString &filter)
{
    QString result = filter;
    result.replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
    return result;
}

// The program's texts break paragraphs with CR (and some with CR LF), as the
// old message boxes did; Qt's labels break lines only at LF.
QString shownText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}

// The file dialogs' "Type" column: a ".tk" file is a vehicle file. The
// system's type database names that ending a Tcl script unless the
// program's own type is installed, and even then it may read the file first.
class VehicleFileTypes : public QFileIconProvider
{
public:
    QString type(const QFileInfo &info) const override
    {
        if (info.isFile()
            && info.suffix().compare(QStringLiteral("tk"), Qt::CaseInsensitive) == 0) {
            return QObject::tr("Vehicle file");
        }
        return QFileIconProvider::type(info);
    }
};

// Qt's own file dialog, the same on every desktop, with the caller's folders
// in its sidebar (a desktop's native dialog would not show them).
// types must outlive the dialog.
void prepareFileDialog(
    QFileDialog &dialog, const FileDialogRequest &request, VehicleFileTypes &types)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&types);
    if (!request.sidebar.isEmpty()) {
        QList<QUrl> urls;
        for (const QString &folder : request.sidebar) {
            urls.append(QUrl::fromLocalFile(folder));
        }
        dialog.setSidebarUrls(urls);
    }
    if (!request.fileName.isEmpty()) {
        dialog.selectFile(request.fileName);
    }
    dialog.setDefaultSuffix(request.defaultSuffix);
}

} // namespace

MessageAnswer QtPlatform::message(QWidget *parent, const QString &title, const QString &text,
    MessageButtons buttons, MessageIcon icon, std::optional<MessageAnswer> defaultButton)
{
    QMessageBox box(qtIcon(icon), title, shownText(text), qtButtons(buttons), parent);
    if (defaultButton) {
        box.setDefaultButton(qtButton(*defaultButton));
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        break;
    }
    // Closing a Yes/No/Cancel box with the window's close button is a cancel.
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

std::optional<QString> QtPlatform::askText(
    QWidget *parent, const QString &title, const QString &prompt, const QString &defaultText)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(shownText(prompt));
    dialog.setTextValue(defaultText);
    // A long prompt wraps at a readable width instead of widening the dialog.
    for (QLabel *label : dialog.findChildren<QLabel *>()) {
        label->setWordWrap(true);
        label->setMinimumWidth(420);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue();
}

QString QtPlatform::openFileName(QWidget *parent, const FileDialogRequest &request)
{
    VehicleFileTypes types;
    QFileDialog dialog(parent, request.title, request.folder, qtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    prepareFileDialog(dialog, request, types);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString QtPlatform::saveFileName(QWidget *parent, const FileDialogRequest &request)
{
    VehicleFileTypes types;
    QFileDialog dialog(parent, request.title, request.folder, qtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    prepareFileDialog(dialog, request, types);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

bool QtPlatform::printerSetup(QWidget *parent, QPrinter &printer)
{
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

PrintOutcome QtPlatform::printPreview(QWidget *parent, QPrinter &printer, const PagePainter &paint)
{
    const auto askPdfName = [this](QWidget *over) {
        FileDialogRequest request;
        request.title = QObject::tr("Export PDF");
        request.filter = QStringLiteral("PDF Files (*.pdf)");
        QString name = saveFileName(over, request);
        if (!name.isEmpty() && !name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
            name += QStringLiteral(".pdf");
        }
        return name;
    };
    const auto reportFailure = [this](QWidget *over, const QString &text) {
        message(
            over, QObject::tr("Export PDF"), text, MessageButtons::Ok, MessageIcon::Exclamation);
    };
    return showPrintPreview(parent, printer, paint, askPdfName, reportFailure);
}

std::optional<QSize> QtPlatform::askSize(QWidget *parent, const QString &title,
    const QSize &initial, const QSize &minimum, const QSize &maximum)
{
    SizeDialog dialog(parent, title, initial, minimum, maximum);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.size();
}

void QtPlatform::beep()
{
    QApplication::beep();
}

bool QtPlatform::openDocument(const QString &path)
{
    const QString type = QMimeDatabase().mimeTypeForFile(path).name();
    if (desktopApplicationFor(type).isEmpty()) {
        return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtPlatform::openUrl(const QString &address)
{
    const QUrl url(address);
    if (desktopApplicationFor(QStringLiteral("x-scheme-handler/") + url.scheme()).isEmpty()) {
        return false;
    }
    return QDesktopServices::openUrl(url);
}

bool QtPlatform::startProgram(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

} // namespace tarvik::gui

namespace tarvik::gui {

bool QtPlatform::introMessage(QWidget *parent, int kind, QWidget *pointAt)
{
    IntroMessageWindow window(kind, parent);
    std::unique_ptr<PointerLines> lines;
    if (pointAt && introHasPointerLines(kind)) {
        lines = std::make_unique<PointerLines>(pointAt, &window);
    }
    window.exec();
    return window.dontShowAgain();
}

void QtPlatform::textWindow(QWidget *parent, const QString &title, const QString &text)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto *layout = new QVBoxLayout(&dialog);
    auto *label = new QLabel(shownText(text), &dialog);
    label->setWordWrap(true);
    label->setMinimumWidth(460);
    layout->addWidget(label);
    auto *print = new QPushButton(QStringLiteral("Print"), &dialog);
    layout->addWidget(print, 0, Qt::AlignCenter);
    QObject::connect(print, &QPushButton::clicked, &dialog,
        [&] { WindowImagePrinter(*this).printWindow(&dialog); });
    dialog.exec();
}

QString QtPlatform::seekFile(QWidget *parent, const QString &name)
{
    QStringList roots;
    for (const std::string &root : mountedFileSystems()) {
        roots << QString::fromStdString(root);
    }
    SeekWindow window(*this, name, roots, parent);
    window.exec();
    return window.chosenPath();
}

} // namespace tarvik::gui
