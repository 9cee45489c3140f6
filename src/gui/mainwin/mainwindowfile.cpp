// frmTK's File menu: new, open, save, save as, the exit question, printer
// set-up, and the main report and blank worksheet printed as pictures of
// the window.
//
// No work is lost behind the user's back: when a save question is answered
// Yes and the save does not happen (cancelled or failed), the command that
// asked stops. A failed write names the file and the reason and leaves the
// current file, title and changed flag as they were.
#include "gui/app/specheaders.h"
#include "gui/mainwin/commentsdialog.h"
#include "gui/mainwin/diverollpanel.h"
#include "gui/mainwin/mainwindow.h"
#include "gui/mainwin/otherdimensionspanel.h"
#include "gui/mainwin/specgrid.h"
#include "gui/mainwin/spinstep.h"
#include "gui/platform/platform.h"
#include "gui/common/windowimageprinter.h"
#include "core/text/numberreading.h"
#include "core/text/pictureformat.h"

#include <QApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvik::gui {

QString MainWindow::tkfilesFolder() const
{
    return m_data.path(QStringLiteral("tkfiles"));
}

// ---- File menu ------------------------------------------------------------

void MainWindow::clearLayout()
{
    for (int entry = 0; entry < 56; ++entry) {
        if (QLineEdit *edit = box(entry)) {
            edit->clear();
        }
    }
    m_grid->clearResults();
    m_comment.clear();
    m_currentFile = QStringLiteral("Untitled");
    m_changed = false;
    updateCaption();
    syncFocusedRestoreValue();
}

void MainWindow::fileNew()
{
    commitPendingEdit();
    if (m_changed) {
        const MessageAnswer answer = m_platform.message(this, QStringLiteral("Save Inputs"),
            QStringLiteral("Save these specs to a file before blanking out these inputs?  (If you "
                           "say No, you must re-enter these specs by hand to recreate them.)"),
            MessageButtons::YesNoCancel, MessageIcon::Question);
        if (answer == MessageAnswer::Cancel) {
            return;
        }
        if (answer == MessageAnswer::Yes && !fileSaveAs()) {
            return;
        }
    }
    clearLayout();
    deactivationStore();
    requestRedraw();
}

bool MainWindow::openFile(const QString &path)
{
    const VehicleReadResult result = readVehicleFile(path.toStdString());
    if (!result.ok) {
        m_platform.message(this, QString::fromLatin1(kBadFileTitle),
            QString::fromStdString(result.message), MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    }
    for (int entry : inputWalk()) {
        m_record.set(entry, result.data.record.get(entry));
    }
    m_suspensionType = result.data.suspensionType == 1 ? 1 : 0;
    m_options.unitsFlag = result.data.unitsFlag;
    m_comment = QString::fromStdString(result.data.comment);
    m_currentFile = QFileInfo(path).absoluteFilePath();
    m_folders.remember(m_currentFile);
    updateCaption();
    loadFieldDefinitions();
    fillBoxesFromRecord();
    m_changed = false;
    requestRedraw();
    // The record takes the solve's write-backs too, so the next activation
    // refill shows what the redraw wrote.
    deactivationStore();
    return true;
}

void MainWindow::fileOpen()
{
    commitPendingEdit();
    if (m_changed) {
        const MessageAnswer answer = m_platform.message(this, QStringLiteral("Save Changes"),
            QStringLiteral("Save any changes you have made?"), MessageButtons::YesNo,
            MessageIcon::Question);
        if (answer == MessageAnswer::Yes && !fileSaveAs()) {
            return;
        }
    }
    FileDialogRequest request;
    request.title = QStringLiteral("Open a File");
    request.folder = m_folders.openFolder();
    request.sidebar = m_folders.sidebar();
    request.mustExist = true;
    const QString path = m_platform.openFileName(this, request);
    if (path.isEmpty()) {
        return;
    }
    openFile(path);
}

bool MainWindow::writeFailed(const QString &text)
{
    m_platform.message(
        this, QStringLiteral("File Not Saved"), text, MessageButtons::Ok, MessageIcon::Exclamation);
    return false;
}

bool MainWindow::saveTo(const QString &path)
{
    commitPendingEdit();
    deactivationStore();
    VehicleData data;
    for (int entry : inputWalk()) {
        data.record.set(entry, m_record.get(entry));
    }
    data.suspensionType = m_suspensionType;
    data.unitsFlag = m_options.unitsFlag;
    data.comment = m_comment.toStdString();
    const WriteResult result = writeVehicleFile(path.toStdString(), data);
    if (!result.ok) {
        return writeFailed(QString::fromStdString(result.message));
    }
    m_currentFile = QFileInfo(path).absoluteFilePath();
    m_folders.remember(m_currentFile);
    m_changed = false;
    updateCaption();
    return true;
}

bool MainWindow::fileSaveAs()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Save a File");
    request.folder = m_folders.saveFolder();
    request.sidebar = m_folders.sidebar();
    request.fileName = m_currentFile == QStringLiteral("Untitled")
        ? m_currentFile
        : QFileInfo(m_currentFile).fileName();
    request.confirmOverwrite = true;
    const QString path = m_platform.saveFileName(this, request);
    if (path.isEmpty()) {
        return false;
    }
    return saveTo(path);
}

bool MainWindow::fileSave()
{
    if (m_currentFile == QStringLiteral("Untitled")) {
        return fileSaveAs();
    }
    return saveTo(m_currentFile);
}

bool MainWindow::exitCommand()
{
    commitPendingEdit();
    if (m_changed) {
        const MessageAnswer answer = m_platform.message(this, QStringLiteral("Save Inputs"),
            QStringLiteral("Save these specs (or any changes) to a file.  (If you say No, you must "
                           "re-enter them by hand to recreate them?"),
            MessageButtons::YesNoCancel, MessageIcon::Question);
        if (answer == MessageAnswer::Cancel) {
            return false;
        }
        if (answer == MessageAnswer::Yes && !fileSaveAs()) {
            return false;
        }
    }
    if (m_hooks.writeSettings) {
        m_hooks.writeSettings(m_options);
    }
    m_exiting = true;
    if (m_comments) {
        m_comments->reject();
    }
    close();
    if (m_hooks.quit) {
        m_hooks.quit();
    }
    return true;
}

void MainWindow::printSetup()
{
    m_platform.printerSetup(this, *m_printer);
}

// ---- Printing -------------------------------------------------------------

QImage MainWindow::windowImage()
{
    QApplication::processEvents();
    emit pageCapturing();
    return WindowImagePrinter::captureWindow(this);
}

void MainWindow::printReport()
{
    commitPendingEdit();
    m_camberFollowsEdit = m_options.camberOption;
    requestRedraw(true);
    QApplication::processEvents();
    const QString typed = m_platform.inputText(this, QStringLiteral("Report Comment"),
        QStringLiteral("Enter any comment you want printed with this report."), QString());
    if (!m_platform.printDialog(this, *m_printer)) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString frameTitle = m_helpFrame->title();
    const QString helpBefore = m_help->text();
    m_helpFrame->setTitle(QStringLiteral("Comments"));
    QString shownComment = m_comment;
    shownComment.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_help->setText(typed + u'\n' + shownComment);
    WindowImagePrinter::printPicture(*m_printer, windowImage(), windowTitle());
    QApplication::restoreOverrideCursor();
    m_helpFrame->setTitle(frameTitle);
    m_help->setText(helpBefore);
    m_afterPrinting = true;
}

void MainWindow::printWorksheet()
{
    commitPendingEdit();
    const QString typed = m_platform.inputText(this, QStringLiteral("Worksheet Comment"),
        QStringLiteral("Enter any comment you want printed with this Worksheet."), QString());
    if (!m_platform.printDialog(this, *m_printer)) {
        return;
    }
    const QString frameTitle = m_helpFrame->title();
    const QString helpBefore = m_help->text();
    const QPalette helpPalette = m_help->palette();
    m_helpFrame->setTitle(QStringLiteral("Comments"));
    QPalette white = helpPalette;
    white.setColor(QPalette::Window, Qt::white);
    m_help->setPalette(white);
    m_help->clear();
    m_footer->setText(typed);
    m_footer->show();
    // Let the activation that follows the closed dialogs run first.
    QApplication::processEvents();
    m_validationHold = true;
    const bool changed = m_changed;
    deactivationStore();
    m_pageSetUp = true;
    for (int entry : inputWalk()) {
        box(entry)->clear();
    }
    m_grid->setResultsVisible(false);

    WindowImagePrinter::printPicture(*m_printer, windowImage(), windowTitle());

    m_helpFrame->setTitle(frameTitle);
    m_help->setPalette(helpPalette);
    m_help->setText(helpBefore);
    m_footer->hide();
    m_pageSetUp = false;
    fillBoxesFromRecord();
    m_grid->setResultsVisible(true);
    m_validationHold = false;
    m_changed = changed;
    m_afterPrinting = true;
}

void MainWindow::showResolutionWarning()
{
    // 7000 and 10000 twips: the smallest window the grid was laid out for.
    if (m_resolutionWarningShown || (height() >= 7000 / 15 && width() >= 10000 / 15)) {
        return;
    }
    m_resolutionWarningShown = true;
    const QString text = QStringLiteral(
        "You will probably not be able to see all portions of this program's screen because your "
        "screen resolution appears to be 480 x 640 pixels.\r\n\r\nThis program was designed "
        "assuming you were using a screen resolution of 600 x 800 pixels or higher.  To change "
        "your computer's Screen Resolution:\r\n\r\n-  Clear this message and shut down this "
        "program.\r\n-  Click on Start (button in lower left corner), then Settings, then Control "
        "Panel\r\n-  Select (double click on) Display\r\n-  Select the 'Settings' tab at the "
        "top\r\n-  Set Display Area to 600 x 800\r\n-  Restart and run this program.");
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Change Screen Resolution"));
    auto *layout = new QVBoxLayout(&dialog);
    auto *label = new QLabel(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    label->setWordWrap(true);
    layout->addWidget(label);
    auto *print = new QPushButton(QStringLiteral("Print"), &dialog);
    layout->addWidget(print, 0, Qt::AlignCenter);
    WindowImagePrinter printer(m_platform);
    connect(print, &QPushButton::clicked, &dialog, [&] { printer.printWindow(&dialog); });
    dialog.exec();
}

} // namespace tarvik::gui
