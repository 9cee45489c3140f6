// frmTK's other commands: the Edit menu, the Options and Suspension Type
// items, the Comments window and the dive and roll controls. Every command
// that changes what a vehicle file stores marks the layout changed.
#include "gui/app/specheaders.h"
#include "gui/mainwin/commentsdialog.h"
#include "gui/mainwin/diverollpanel.h"
#include "gui/mainwin/frontview.h"
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

namespace {

const QString kTitle = QStringLiteral("Tarvik");

void message(Platform &platform, QWidget *parent, const QString &text)
{
    platform.message(parent, kTitle, text, MessageButtons::Ok, MessageIcon::Information);
}

} // namespace

// ---- Edit menu --------------------------------------------------------------

void MainWindow::doEdit(EditCode code)
{
    commitPendingEdit();
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
    commitPendingEdit();
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
    m_view->setBig(m_big);
    // The boxes cannot be edited while the drawing is big: they are out of
    // sight. What goes away is hidden before what comes is shown, or the
    // window would take both at once and grow wider than the screen.
    const QList<QWidget *> normalOnly { m_inputSide, m_helpFrame, m_note };
    const QList<QWidget *> bigOnly { m_otherDimensions, m_bigNotes };
    for (QWidget *widget : m_big ? normalOnly : bigOnly) {
        widget->hide();
    }
    for (QWidget *widget : m_big ? bigOnly : normalOnly) {
        widget->show();
    }
    requestRedraw();
}

} // namespace tarvik::gui
