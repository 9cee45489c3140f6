// frmTK's commands: the File menu (new, open, save, save as, printing,
// printer set-up, exit), the Edit commands, the Options and Suspension Type
// items, the dive and roll controls and the Comments window.
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
#include "gui/support/windowimageprinter.h"
#include "text/numberreading.h"
#include "text/pictureformat.h"

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

namespace {

const QString kTitle = QStringLiteral("Tarvik");

void message(Platform &platform, QWidget *parent, const QString &text)
{
    platform.message(parent, kTitle, text, MessageButtons::Ok, MessageIcon::Information);
}

} // namespace

QString MainWindow::tkfilesFolder() const
{
    return m_data.path(QStringLiteral("tkfiles"));
}

QString MainWindow::vehicleFolder() const
{
    if (m_currentFile != QStringLiteral("Untitled")) {
        return QFileInfo(m_currentFile).absolutePath();
    }
    return m_userVehicleFolder.isEmpty() ? tkfilesFolder() : m_userVehicleFolder;
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
    request.folder = vehicleFolder();
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
    m_changed = false;
    updateCaption();
    return true;
}

bool MainWindow::fileSaveAs()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Save a File");
    request.folder = vehicleFolder();
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
    WindowImagePrinter::printPicture(*m_printer, windowImage());
    QApplication::restoreOverrideCursor();
    m_helpFrame->setTitle(frameTitle);
    m_help->setText(helpBefore);
    m_afterPrinting = true;
}

void MainWindow::printWorksheet()
{
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
    m_validationHold = true;
    const bool changed = m_changed;
    for (int entry : inputWalk()) {
        m_record.set(entry, box(entry)->text().toStdString());
        box(entry)->clear();
    }
    m_grid->setResultsVisible(false);

    WindowImagePrinter::printPicture(*m_printer, windowImage());

    m_helpFrame->setTitle(frameTitle);
    m_help->setPalette(helpPalette);
    m_help->setText(helpBefore);
    m_footer->hide();
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

// ---- Edit menu --------------------------------------------------------------

void MainWindow::doEdit(EditCode code)
{
    BoxTexts texts;
    for (int entry = 0; entry < 56; ++entry) {
        if (QLineEdit *edit = box(entry)) {
            texts[std::size_t(entry)] = edit->text();
        }
    }
    const double rightTrack = readNumber(m_grid->trackDisplay(0)->text().toStdString());
    const double leftTrack = readNumber(m_grid->trackDisplay(2)->text().toStdString());
    if (!runEditCommand(code, texts, rightTrack, leftTrack, m_platform, this)) {
        return;
    }
    for (int entry = 0; entry < 56; ++entry) {
        if (QLineEdit *edit = box(entry)) {
            edit->setText(texts[std::size_t(entry)]);
        }
    }
    m_changed = true; // the moved values are what a save would store
    requestRedraw();
}

// ---- Options and Suspension Type ------------------------------------------

void MainWindow::setEntryMode(int mode)
{
    if (mode == 0) {
        message(m_platform, this,
            QStringLiteral("From now on, the length of the A Arms will likely change as you "
                           "change X and Height inputs for the Arms.\r\rThis mode is usually "
                           "NOT good for watching adjustments you make, unless you are "
                           "actually changing the lengths of the arms."));
    } else {
        message(m_platform, this,
            QStringLiteral(
                "From now on, the length of the A Arms will be held constant as you change X "
                "and Height inputs for the available ends of the A Arms.\r\rFor the Upper "
                "Arm, the Frame Pivot is moved based on the Ball Joint X & Height, Length and "
                "Angle.\r\rFor the Lower Arm, the Ball Joint is moved based on the Frame Pivot "
                "X & Height, Length and Angle.\r\rThis mode is usually best for watching "
                "adjustments you make, where the lengths of the arms are NOT changed."));
    }
    m_options.entryMode = mode == 1 ? 1 : 0;
    requestRedraw();
}

void MainWindow::chooseUnits(bool metric)
{
    message(m_platform, this,
        metric ? QStringLiteral("This option not activated yet.")
               : QStringLiteral("Only English units available in this version."));
    updateMenuChecks();
}

void MainWindow::setExtensionLines(bool on)
{
    if (on && !m_extensionHintShown && !m_big) {
        m_extensionHintShown = true;
        message(m_platform, this,
            QStringLiteral("Drawing Extension Lines can make the screen quite cluttered.\r\r"
                           "Try clicking on the Draw 'Big' button in the 'Show Dive and Roll' "
                           "section to show the suspension and Extension Lines in more "
                           "detail."));
    }
    m_options.extensionLines = on;
    requestRedraw();
}

void MainWindow::setDarkGrayBackground(bool dark)
{
    m_options.darkGrayBackground = dark;
    requestRedraw();
}

void MainWindow::setCamberOption(bool changes)
{
    message(m_platform, this,
        changes ? QStringLiteral("Starting now, camber will change as you change the front "
                                 "suspension measurements.  This mode is useful for watching "
                                 "changes to camber as you make suspension adjustments.")
                : QStringLiteral("Starting now, camber will NOT change as you change the "
                                 "front suspension measurements.  This mode is less confusing "
                                 "when you are first putting in suspension measurements."));
    m_options.camberOption = changes;
    updateMenuChecks();
}

void MainWindow::setSuspensionType(int type)
{
    const int newType = type == 1 ? 1 : 0;
    if (newType != m_suspensionType) {
        m_suspensionType = newType;
        m_changed = true; // the type is stored in the vehicle file
    }
    requestRedraw();
}

void MainWindow::restartIntroMessages()
{
    m_options.introFlags.restartShowing();
    message(m_platform, this,
        QStringLiteral("Intro Help messages will be displayed next time you start the "
                       "program."));
}

CommentsDialog *MainWindow::commentsDialog() const
{
    return qobject_cast<CommentsDialog *>(m_comments.data());
}

void MainWindow::showComments()
{
    if (m_comments) {
        m_comments->raise();
        m_comments->activateWindow();
        return;
    }
    auto *dialog = new CommentsDialog(m_comment, this);
    connect(dialog, &CommentsDialog::commentAccepted, this, &MainWindow::setComment);
    m_comments = dialog;
    dialog->show();
}

// ---- Dive and roll ----------------------------------------------------------

void MainWindow::spin(int entry, bool increase)
{
    QLineEdit *edit = box(entry);
    if (!edit || (entry != kDiveEntry && entry != kRollEntry)) {
        return;
    }
    const SpinSpec spec = entry == kDiveEntry ? diveSpinSpec() : rollSpinSpec(m_extendedRoll);
    const std::optional<double> next
        = spinStep(readNumber(edit->text().toStdString()), increase, spec);
    if (!next) {
        m_platform.beep();
        return;
    }
    edit->setText(QString::fromStdString(formatPicture(*next, "##.00")));
    showHelpText(m_validator.definition(entry));
    m_changed = true; // dive and roll are stored with the layout
    requestRedraw();
}

void MainWindow::setApplyDiveRoll(bool applied)
{
    m_applyDiveRoll = applied;
    refreshPanel();
    requestRedraw();
}

void MainWindow::toggleBig()
{
    m_big = !m_big;
    m_panel->showBig(m_big);
    m_bigHint->setVisible(m_big);
    m_otherDimensions->setVisible(m_big);
    // The boxes cannot be edited while the drawing is big: they are out of sight.
    m_inputSide->setVisible(!m_big);
    m_helpFrame->setVisible(!m_big);
    requestRedraw();
}

} // namespace tarvik::gui
