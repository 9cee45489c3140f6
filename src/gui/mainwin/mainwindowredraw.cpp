// frmTK's redraw request: gather the boxes and modes into one engine call
// and show what comes back (write-backs, result displays, captions, the
// picture, the Shim menu, faults and the geometry warning).
#include "gui/mainwin/frontview.h"
#include "gui/mainwin/mainwindow.h"
#include "gui/mainwin/otherdimensionspanel.h"
#include "gui/mainwin/specgrid.h"
#include "gui/platform/platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace tarvik::gui {

namespace {

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

void MainWindow::requestRedraw(bool keepCamberFollows)
{
    commitPendingEdit();
    if (!keepCamberFollows) {
        m_camberFollowsEdit = false;
    }
    // The strut type always works with X and Height entry.
    if (m_suspensionType == 1) {
        m_options.entryMode = 0;
    }
    EngineInput input;
    for (int entry = 0; entry < 56; ++entry) {
        if (QLineEdit *edit = box(entry)) {
            input.entries[std::size_t(entry)] = edit->text().toStdString();
        }
    }
    input.suspensionType
        = m_suspensionType == 1 ? SuspensionType::Strut : SuspensionType::DoubleAArm;
    input.entryMode = m_options.entryMode == 1 ? EntryMode::LengthAndAngle : EntryMode::XAndHeight;
    input.applyDiveRoll = m_applyDiveRoll ? 1 : 0;
    input.gainSpecChoice = m_options.gainSpecChoice;
    input.gainDiveText = m_options.gainDiveText.toStdString();
    input.gainRollText = m_options.gainRollText.toStdString();
    input.camberFollowsEdit = m_camberFollowsEdit;
    input.previousKingPinCaptions = m_previousKingPin;
    input.draw.extensionLines = m_options.extensionLines;
    input.draw.darkGrayBackground = m_options.darkGrayBackground;
    input.draw.bigLayout = m_big;
    input.draw.afterPrinting = m_afterPrinting;
    m_output = runEngine(input);
    // The flag is not cleared here: a redraw that follows an accepted edit
    // keeps it, so the box the focus has already moved on to still lets
    // camber follow when it is left by a click or a menu command.
    applyOutput();
}

void MainWindow::applyOutput()
{
    const Captions &captions = m_output.captions;
    for (const BoxWriteBack &writeBack : m_output.writeBacks) {
        if (QLineEdit *edit = box(writeBack.entry)) {
            edit->setText(qs(writeBack.text));
        }
    }
    const std::pair<int, const std::array<std::string, 2> *> results[] = {
        { 32, &captions.springLength },
        { 33, &captions.springCompression },
        { 34, &captions.springAngle },
        { 36, &captions.wheelRate },
        { 37, &captions.scrubRadius },
        { 39, &captions.dynamicCamber },
    };
    for (const auto &[rightEntry, texts] : results) {
        m_grid->resultDisplay(rightEntry)->setText(qs((*texts)[0]));
        m_grid->resultDisplay(rightEntry + 11)->setText(qs((*texts)[1]));
    }
    for (int index = 0; index < 3; ++index) {
        m_grid->trackDisplay(index)->setText(qs(captions.track[std::size_t(index)]));
    }
    for (int side = 0; side < 2; ++side) {
        const auto s = std::size_t(side);
        m_grid->kingPinDisplay(side)->setText(qs(captions.kingPinAngle[s]));
        m_grid->spindleDisplay(side)->setText(qs(captions.spindleAngle[s]));
        m_otherDimensions->setValue(
            OtherDimensionsPanel::SpringCompression, side, qs(captions.springCompression[s]));
        m_otherDimensions->setValue(
            OtherDimensionsPanel::Camber, side, box(side == 0 ? 38 : 49)->text());
        m_otherDimensions->setValue(
            OtherDimensionsPanel::NewCamber, side, qs(captions.dynamicCamber[s]));
        m_otherDimensions->setValue(
            OtherDimensionsPanel::KingPinAngle, side, qs(captions.kingPinAngle[s]));
    }
    m_grid->setRowCaptions(
        qs(captions.rowCaptions[0]), qs(captions.rowCaptions[1]), qs(captions.rowCaptions[2]));
    m_previousKingPin = captions.kingPinAngle;
    syncFocusedRestoreValue();

    FrontViewCaptions view = m_view->captions();
    view.rollCenter = { qs(captions.rollCenterHeight), qs(captions.rollCenterSide) };
    view.movedRollCenter = { qs(captions.movedRollCenterHeight), qs(captions.movedRollCenterSide) };
    view.camberGain = { qs(captions.camberGain[0]), qs(captions.camberGain[1]) };
    view.status = qs(captions.status);
    view.rollCenterColor = captions.staticRollCenterColor;
    view.movedRollCenterColor = captions.movedRollCenterColor;
    view.camberGainColor = captions.camberGainColor;
    m_view->setCaptions(view);
    m_view->setScene(m_output.scene);
    if (m_shimMenu) {
        m_shimMenu->setEnabled(m_output.shimMenuEnabled);
    }
    updateMenuChecks();

    for (const std::string &fault : m_output.faults) {
        m_platform.message(this, QStringLiteral("Tarvik"), qs(fault), MessageButtons::Ok,
            MessageIcon::Exclamation);
    }
    // The record follows every redraw, so an activation refill arriving
    // after a dialog (edit prompts, warnings) shows what the redraw showed.
    deactivationStore();
    emit redrawn();

    // One warning per redraw, never a stream of boxes.
    if (m_output.showGeometryWarning) {
        m_platform.message(this, QString::fromLatin1(kGeometryWarningTitle),
            qs(geometryWarningText()), MessageButtons::Ok, MessageIcon::Exclamation);
    }
}

} // namespace tarvik::gui
