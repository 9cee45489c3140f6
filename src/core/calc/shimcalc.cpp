// The shim calculator's rows, calculation and write-back; see shimcalc.h.
#include "core/calc/shimcalc.h"

#include "core/geometry/engine.h"
#include "core/geometry/shimmove.h"
#include "core/layout/units.h"
#include "core/text/numberreading.h"
#include "core/text/numbertext.h"
#include "core/text/pictureformat.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace {

constexpr double kSixteenthIn = 0.0625;
constexpr double kEighthIn = 0.125;
// Below this the shim move reports a linkage it could not solve.
constexpr double kFailedCamberChange = -998;

constexpr const char *kShimNoteTail = "If your chassis is like this, pick 'Remove Shims' when you "
                                      "are actually adding shims, and vice versa. (p 31)";

bool failed(const ShimResult &r)
{
    return r.status == 2 || r.camberChange < kFailedCamberChange || !std::isfinite(r.camberChange)
        || !std::isfinite(r.newJoint.x) || !std::isfinite(r.newJoint.y);
}

CalcMessage geometryWarning()
{
    return CalcMessage { kGeometryWarningTitle, geometryWarningText() };
}

ShimResult runShimMove(const EntryTexts &entries, int side, int direction, double thickness)
{
    // The move takes the thickness as shown in output 0 and treats only
    // direction index 1 as removed shims.
    return shimCamberChange(side, shimPointsFromEntries(entries, side), thickness, direction == 1);
}

} // namespace

std::optional<CalcMessage> shimOpenRefusal(const SpecRecord &record, int side)
{
    const int s = side == kSideLeft ? kSideLeft : kSideRight;
    const double ballJointX
        = readNumber(record.get(Entry::coordinate(s, kUpperBallJoint, kColumnX)));
    const double pivotX = readNumber(record.get(Entry::coordinate(s, kUpperFramePivot, kColumnX)));
    const double ballJointHeight
        = readNumber(record.get(Entry::coordinate(s, kUpperBallJoint, kColumnHeight)));
    const double lowerJointHeight
        = readNumber(record.get(Entry::coordinate(s, kLowerBallJoint, kColumnHeight)));
    std::string reason;
    if (pivotX >= ballJointX) {
        reason = "The X dimension for Upper Ball Joint is smaller than the X dimension for Upper "
                 "Frame Pivot (Ball Joint is more inboard than the Frame Pivot).";
    } else if (ballJointHeight <= lowerJointHeight) {
        reason = "The Height dimension for Upper Ball Joint is smaller than the Height dimension "
                 "for Lower Ball Joint (Upper Ball Joint is below the Lower Ball Joint).";
    } else {
        return std::nullopt;
    }
    return CalcMessage { "Unusual Geometry",
        "Shim calculation can not be performed because:\r\r" + reason
            + "\r\rThis unusual geometry will cause errors." };
}

ShimCalc::ShimCalc(const CalcDefinition &definition, const CalcContext &context)
    : CalcSession(CalcMode::Shim, definition, context)
    , m_shimSide(context.shimSide == kSideLeft ? kSideLeft : kSideRight)
    , m_camberFollowsEdits(context.settings.camberFollowsEdits)
{
    m_caption += m_shimSide == kSideRight ? " - Right Side" : " - Left Side";
    m_noteText += kShimNoteTail;
    const std::optional<ShimChoices> &remembered = context.shimChoices;
    if (remembered) {
        setChoice(1, remembered->direction);
        setChoice(2, remembered->shimType);
        setChoice(3, remembered->sixteenths);
        setChoice(4, remembered->eighths);
        rowRef(5).text = numberText(remembered->customThickness);
    } else {
        setChoice(1, 0);
        setChoice(2, 0);
    }
}

std::string ShimCalc::stepName() const
{
    return m_shimSide == kSideLeft ? "Shim Left Side" : "Shim Right Side";
}

CalcFeedback ShimCalc::recalculate()
{
    CalcFeedback feedback;
    CalcOutputRow &thicknessOut = outputRef(0);
    CalcOutputRow &newCamberOut = outputRef(1);
    CalcOutputRow &camberOut = outputRef(2);
    thicknessOut.enabled = newCamberOut.enabled = false;

    const bool added = choiceOf(1) == 0;
    thicknessOut.name = added ? "Shim Thickness Added" : "Shim Thickness Removed";
    m_frameCaptions[0] = added ? "Shims Added" : "Shims Removed";
    rowRef(5).caption = added ? "Custom Thickness Added" : "Custom Thickness Removed";

    const int sixteenths = std::max(choiceOf(3), 0);
    const int eighths = std::max(choiceOf(4), 0);
    const int type = choiceOf(2);
    const bool standard = type == 1;
    const bool custom = type != 0 && type != 1;
    // Output 0 shows the thickness in the layout's units: the standard
    // shims' inch sizes in millimetres for a metric layout, whose custom
    // thickness is typed in millimetres too.
    const double mm = unitFactor(Quantity::Length, m_units);
    const double thickness = standard ? (sixteenths * kSixteenthIn + eighths * kEighthIn) * mm
                                      : (custom ? rowNumber(5) : 0);
    const std::string &staticCamber = entryText(Entry::otherSpec(m_shimSide, kStaticCamberRow));
    if (standard || custom) {
        thicknessOut.enabled = true;
        thicknessOut.value = formatPicture(thickness, "##.0000");
        newCamberOut.enabled = camberOut.enabled = true;
        camberOut.value = staticCamber;
    }
    // A target camber chooses rows 1-4 itself.
    const bool byHand = !m_target.on;
    rowRef(1).enabled = rowRef(2).enabled = byHand;
    rowRef(3).enabled = rowRef(4).enabled = standard && byHand;
    rowRef(5).enabled = custom && byHand;

    // With no shim change the outputs keep their texts, and the new camber
    // is still worked out from the thickness output 0 shows.
    const ShimResult moved
        = runShimMove(m_entries, m_shimSide, choiceOf(1), readNumber(thicknessOut.value) / mm);
    if (failed(moved)) {
        newCamberOut.value.clear();
        thicknessOut.value.clear();
        if (moved.status == 2) {
            feedback.messages.push_back(geometryWarning());
        }
        return feedback;
    }
    // The move measures the knuckle's run away from the centreline on the
    // right side and toward it on the left, hence the opposite signs.
    const double camber = readNumber(staticCamber);
    const double newCamber
        = m_shimSide == kSideRight ? moved.camberChange + camber : camber - moved.camberChange;
    newCamberOut.value = formatPicture(newCamber, "##.00");
    return feedback;
}

std::optional<CalcAcceptResult> ShimCalc::refuseAccept() const
{
    if (m_target.on && !m_target.found()) {
        return CalcAcceptResult::stayOpen(CalcMessage { " ",
            "No shims have been found for a target camber, so there is no " + m_resultName
                + " to be used." });
    }
    if (std::optional<CalcAcceptResult> empty = refuseEmptyResult()) {
        return empty;
    }
    if (choiceOf(2) == 0) {
        return CalcAcceptResult::stayOpen(CalcMessage { " ",
            "You have select 'No Shim Change' as the Shim Type, so there is no " + m_resultName
                + " to be used." });
    }
    return std::nullopt;
}

CalcAcceptResult ShimCalc::acceptWithin(const CalcAnswers &answers) const
{
    const double mm = unitFactor(Quantity::Length, m_units);
    const ShimResult moved
        = runShimMove(m_entries, m_shimSide, choiceOf(1), readNumber(output(0).value) / mm);
    CalcAcceptResult refused;
    if (failed(moved)) {
        refused.message = moved.status == 2
            ? geometryWarning()
            : CalcMessage { " ",
                  "No " + m_resultName + " has been calculated.  No " + m_resultName
                      + " can be used." };
        return refused;
    }
    if (!moved.solved) {
        // A zero thickness moves nothing; writing the unsolved joint back
        // would put the upper ball joint at 0, 0.
        refused.message = CalcMessage { " ",
            "A " + m_resultName + " of 0 changes nothing, so there is no " + m_resultName
                + " to be used." };
        return refused;
    }

    bool camberFollows = m_camberFollowsEdits;
    if (!camberFollows) {
        if (!answers.letCamberChange) {
            return CalcAcceptResult::ask(CalcQuestion::LetCamberChange,
                CalcMessage { "Let Camber Change?",
                    "In the Main Menu Options you have selected to NOT have Camber change with "
                    "suspension adjustments.  However, most users would want Camber to change when "
                    "changing shims.\r\rDo you want to Camber to change due to this shim Change?",
                    CalcButtons::YesNo, CalcIcon::Question, 0 });
        }
        camberFollows = *answers.letCamberChange == CalcAnswer::Yes;
    }

    // The move gives the joint in the layout frame, where the right side's
    // X is negative; the boxes hold every X as a positive distance.
    const int side = m_shimSide;
    const Entry jointX = Entry::coordinate(side, kUpperBallJoint, kColumnX);
    const Entry jointHeight = Entry::coordinate(side, kUpperBallJoint, kColumnHeight);
    const Entry pivotX = Entry::coordinate(side, kUpperFramePivot, kColumnX);
    const double newX = side == kSideRight ? -double(moved.newJoint.x) : double(moved.newJoint.x);
    CalcWriteBack wb;
    wb.entries = {
        { jointX, formatPicture(newX * mm, "###.00") },
        { jointHeight, formatPicture(double(moved.newJoint.y) * mm, "###.00") },
        { pivotX, formatPicture((moved.shim + readNumber(entryText(pivotX))) * mm, "###.00") },
    };
    wb.redraw = true;
    wb.camberFollowsEdit = camberFollows;
    wb.shimSide = side;
    wb.shimChoices
        = ShimChoices { choiceOf(1), choiceOf(2), choiceOf(3), choiceOf(4), rowNumber(5) };

    return CalcAcceptResult::close(std::move(wb));
}

} // namespace tarvik
