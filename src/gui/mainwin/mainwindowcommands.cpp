// frmTK's other commands: the Edit menu, the Options and Suspension Type
// items, the Comments window and the dive and roll controls. Each changes
// the layout document or the settings; the document redraws.
#include "core/layout/entrynumbers.h"
#include "core/layout/maintexts.h"
#include "core/layout/spinstep.h"
#include "core/text/numberreading.h"
#include "gui/document/layoutdocument.h"
#include "gui/document/settingsowner.h"
#include "gui/mainwin/commentsdialog.h"
#include "gui/mainwin/diverollpanel.h"
#include "gui/mainwin/drawingexport.h"
#include "gui/mainwin/entryboxes.h"
#include "gui/mainwin/frontview.h"
#include "gui/mainwin/mainmenus.h"
#include "gui/mainwin/mainwindow.h"
#include "gui/mainwin/otherdimensionspanel.h"
#include "gui/mainwin/specgrid.h"
#include "gui/platform/platform.h"

#include <QGroupBox>
#include <QLabel>

namespace tarvik::gui {

namespace {

QString qs(const char *text)
{
    return QString::fromLatin1(text);
}

void message(Platform &platform, QWidget *parent, const QString &text,
    MessageIcon icon = MessageIcon::Information)
{
    platform.message(parent, qs(maintexts::kTitle), text, MessageButtons::Ok, icon);
}

} // namespace

// ---- Edit menu --------------------------------------------------------------

void MainWindow::doEdit(EditCode code)
{
    commitPendingEdit();
    double amount = 0;
    if (editNeedsAmount(code)) {
        // Asked until the reply is a number from 0 to 5, or the user cancels.
        for (;;) {
            const QString reply
                = m_platform.inputText(this, QString::fromStdString(editAmountTitle(code)),
                    QString::fromStdString(editAmountPrompt(code)), QStringLiteral(" "));
            const AmountReply verdict = readEditAmount(reply.toStdString(), amount);
            if (verdict == AmountReply::Cancelled) {
                return;
            }
            if (verdict == AmountReply::Accepted) {
                break;
            }
            message(m_platform, this, qs(kEditAmountOutOfRange), MessageIcon::Exclamation);
        }
    }
    const Captions &captions = m_document.output().captions;
    SpecRecord record = m_document.state().record;
    if (!applyEditCommand(
            code, record, amount, readNumber(captions.track[0]), readNumber(captions.track[2]))) {
        message(m_platform, this, qs(kCenterNeedsTracks), MessageIcon::Exclamation);
        return;
    }
    EntryEdits changes;
    for (const Entry entry : Entry::every()) {
        if (record.get(entry) != m_document.state().record.get(entry)) {
            changes.emplace_back(entry, QString::fromStdString(record.get(entry)));
        }
    }
    m_document.setEntries(changes, false, QString::fromStdString(editMenuText(code)));
}

// ---- Options and Suspension Type ------------------------------------------

void MainWindow::setEntryMode(EntryMode mode)
{
    message(m_platform, this,
        qs(mode == EntryMode::XAndHeight ? maintexts::kEntryModeXAndHeight
                                         : maintexts::kEntryModeLengthAndAngle));
    m_settings.change([mode](Settings &s) { s.entryMode = mode; });
    m_document.redraw();
}

void MainWindow::chooseUnits(Units units)
{
    commitPendingEdit();
    // The open layout is converted; the definitions of its units follow.
    m_document.setUnits(units);
    m_menus->updateChecks();
}

void MainWindow::setExtensionLines(bool on)
{
    if (on && !m_extensionHintShown && !m_big) {
        m_extensionHintShown = true;
        message(m_platform, this, qs(maintexts::kExtensionLinesHint));
    }
    m_settings.change([on](Settings &s) { s.extensionLines = on; });
    m_document.redraw();
}

void MainWindow::setDarkGrayBackground(bool dark)
{
    m_settings.change([dark](Settings &s) { s.darkGrayBackground = dark; });
    m_document.redraw();
}

void MainWindow::setCamberOption(bool changes)
{
    message(m_platform, this, qs(changes ? maintexts::kCamberChanges : maintexts::kCamberFixed));
    m_settings.change([changes](Settings &s) { s.camberFollowsEdits = changes; });
}

void MainWindow::setSuspensionType(SuspensionType type)
{
    commitPendingEdit();
    m_document.setSuspensionType(type);
}

void MainWindow::restartIntroMessages()
{
    m_settings.change([](Settings &s) { s.introHelp.restartShowing(); });
    message(m_platform, this, qs(maintexts::kIntroRestarted));
}

void MainWindow::showComments()
{
    if (m_comments) {
        m_comments->raise();
        m_comments->activateWindow();
        return;
    }
    auto *dialog = new CommentsDialog(QString::fromStdString(m_document.state().comment), this);
    connect(dialog, &CommentsDialog::commentAccepted, &m_document, &LayoutDocument::setComment);
    m_comments = dialog;
    dialog->show();
}

// ---- Dive and roll ----------------------------------------------------------

void MainWindow::spin(Entry entry, bool increase)
{
    commitPendingEdit();
    const std::optional<std::string> next = spinEntryText(entry,
        m_document.entry(entry).toStdString(), increase, m_extendedRoll, m_document.state().units);
    if (!next) {
        m_platform.beep();
        return;
    }
    showFieldHelp(entry);
    // Dive and roll are stored with the layout: a step is a change.
    m_document.setEntries({ { entry, QString::fromStdString(*next) } }, false,
        QString::fromStdString(entryDescription(entry, m_document.state().suspensionType)));
}

void MainWindow::setApplyDiveRoll(bool applied)
{
    commitPendingEdit();
    m_document.setApplyDiveRoll(applied);
}

void MainWindow::toggleBig()
{
    commitPendingEdit();
    m_big = !m_big;
    m_panel->showBig(m_big);
    m_view->setBig(m_big);
    m_document.setBigLayout(m_big);
    // The boxes cannot be edited while the drawing is big: they are out of
    // sight. What goes away is hidden before what comes is shown, or the
    // window would take both at once and grow wider than the screen.
    const QList<QWidget *> normalOnly { m_grid, m_helpFrame, m_note };
    const QList<QWidget *> bigOnly { m_otherDimensions, m_bigNotes };
    for (QWidget *widget : m_big ? normalOnly : bigOnly) {
        widget->hide();
    }
    for (QWidget *widget : m_big ? bigOnly : normalOnly) {
        widget->show();
    }
    m_document.redraw();
}

bool MainWindow::exportDrawing()
{
    return m_drawingExport->run();
}

} // namespace tarvik::gui
