// The shim calculator's target camber (see shimtargetstate.h): the switch,
// the target box and the search that sets rows 1-4.
#include "core/calc/shimcalc.h"
#include "core/calc/shimtarget.h"
#include "core/text/numberreading.h"
#include "core/text/pictureformat.h"

namespace tarvik {

namespace {

// Targets this far beyond every stack find the extreme stacks.
constexpr double kFarTarget = 1e3;

std::string degrees(double value)
{
    return formatPicture(value, "##.00");
}

} // namespace

CalcFeedback ShimCalc::setShimTargetOn(bool on)
{
    if (on == m_target.on) {
        return {};
    }
    m_target.on = on;
    if (!on) {
        // The rows keep the stack; once the user changes them, the found
        // camber would no longer be theirs.
        clearShimTargetStack();
        return recalculate();
    }
    return searchShimTarget();
}

void ShimCalc::shimTargetEntered()
{
    m_textOnEntry = m_target.text;
}

CalcFeedback ShimCalc::leaveShimTarget(std::string_view text)
{
    if (!m_target.on) {
        return {};
    }
    m_target.text = std::string(text);
    if (!m_target.text.empty()) {
        if (std::optional<CalcFeedback> refused
            = refuseOutside(kShimTargetCaption, m_target.text, kShimTargetMax, kShimTargetMin)) {
            m_target.text = m_textOnEntry;
            return *refused;
        }
    }
    return searchShimTarget();
}

void ShimCalc::clearShimTargetStack()
{
    m_target.stack.reset();
    m_target.camber.clear();
    m_target.residual.clear();
    m_target.note.clear();
}

CalcFeedback ShimCalc::searchShimTarget()
{
    clearShimTargetStack();
    if (m_target.text.empty()) {
        return recalculate();
    }
    const double target = readNumber(m_target.text);
    const int sixteenths = static_cast<int>(row(3).items.size());
    const int eighths = static_cast<int>(row(4).items.size());
    const ShimTargetResult result
        = findShimsForCamber(m_entries, m_shimSide, target, sixteenths, eighths);
    // The rows must be able to hold the stack: row 1 its direction, row 2
    // standard shims (the counts are within the lists by the search).
    const bool rowsHoldIt
        = result.best.direction < static_cast<int>(row(1).items.size()) && row(2).items.size() > 1;
    // The empty stack is always "solved"; a layout on which it is the only
    // one offers nothing to choose from.
    if (!result.found || result.stacksTried <= 1 || !rowsHoldIt) {
        CalcFeedback none;
        none.messages.push_back(CalcMessage { kShimTargetFrameCaption,
            "No stack of shims can be solved on this layout, so no shims were found for the "
            "target camber.  Nothing has been changed.",
            CalcButtons::Ok, CalcIcon::Exclamation });
        return none;
    }
    if (!m_target.reach) {
        m_target.reach = std::pair {
            findShimsForCamber(m_entries, m_shimSide, -kFarTarget, sixteenths, eighths)
                .best.newCamber,
            findShimsForCamber(m_entries, m_shimSide, kFarTarget, sixteenths, eighths)
                .best.newCamber,
        };
    }

    const ShimStack &best = result.best;
    setChoice(1, best.direction);
    setChoice(2, 1); // standard shims
    setChoice(3, best.sixteenths);
    setChoice(4, best.eighths);
    m_target.stack = best;
    m_target.camber = degrees(best.newCamber);
    m_target.residual = degrees(best.residual);
    const auto [low, high] = *m_target.reach;
    if (best.sixteenths + best.eighths == 0) {
        m_target.note = "The camber as it stands is the closest: no shims are needed.";
    } else if (target < low || target > high) {
        m_target.note
            = "Beyond reach: these shims give " + degrees(low) + " to " + degrees(high) + " deg.";
    }
    return recalculate();
}

} // namespace tarvik
