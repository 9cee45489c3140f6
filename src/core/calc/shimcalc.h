// The shim calculator: shims added or removed under one side's upper frame
// pivot, as a count of 1/16 in and 1/8 in shims or a custom thickness in
// inches; the new camber through the shim move, and on accept the moved
// upper ball joint and frame pivot written back to that side's boxes.
//
// Rows: 1 direction (0 added), 2 shim type (0 no change, 1 standard, other
// custom), 3 and 4 the shim counts (index = count), 5 the custom thickness.
// Outputs: 0 thickness, 1 new camber, 2 current camber.
//
// Beside the rows, the target camber (see shimtargetstate.h) lets a typed
// camber choose the standard shims.
#pragma once

#include "core/calc/calcsession.h"
#include "core/calc/shimtargetstate.h"
#include "core/layout/specrecord.h"

#include <optional>
#include <string_view>

namespace tarvik {

class ShimCalc : public CalcSession
{
public:
    // Opens with the choices remembered for the side, if any.
    ShimCalc(const CalcDefinition &definition, const CalcContext &context);

    int shimSide() const { return m_shimSide; }
    std::string stepName() const override;
    CalcFeedback recalculate() override;

    // The target camber. Switching on searches for the text the box holds;
    // the box is checked and left as a row's box is (a refused value: the
    // "Warning" message and the text on entry); an emptied box clears the
    // stack found. A layout on which no stack can be solved gives a message
    // and changes no row.
    const ShimTargetState &shimTarget() const { return m_target; }
    CalcFeedback setShimTargetOn(bool on);
    void shimTargetEntered();
    CalcFeedback leaveShimTarget(std::string_view text);

protected:
    std::optional<CalcAcceptResult> refuseAccept() const override;
    CalcAcceptResult acceptWithin(const CalcAnswers &answers) const override;

private:
    CalcFeedback searchShimTarget();
    void clearShimTargetStack();

    int m_shimSide = kSideRight;
    bool m_camberFollowsEdits = false;
    ShimTargetState m_target;
};

// Before the shim calculator opens for a side: the "Unusual Geometry"
// message when the upper frame pivot is not inboard of the upper ball joint
// or the upper ball joint is not above the lower one; none when it may open.
std::optional<CalcMessage> shimOpenRefusal(const SpecRecord &record, int side);

} // namespace tarvik
