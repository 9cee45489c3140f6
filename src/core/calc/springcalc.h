// The spring rate calculator: a coil spring, leaf spring or solid or hollow
// torsion bar turned into a rate in pounds per inch, sent to the right, the
// left or both "Spring Rate" boxes (both when no side is chosen; two
// different rates are replaced only after a question).
//
// Rows: 1 side (0 right, 1 left, 2 both), 2 spring type (0 coil, 1 leaf,
// 2 torsion bar, 3 hollow torsion bar), 3 to 7 the dimensions, whose
// captions and limits follow the spring type. Output 0 is the rate, shown
// only while every dimension the type uses is filled in: an emptied box or a
// dimension left over from another type that lies outside this type's limits
// (which is cleared) leaves no rate, so none can be sent.
#pragma once

#include "core/calc/calcsession.h"

namespace tarvik {

class SpringCalc : public CalcSession
{
public:
    // Opens on a coil spring.
    SpringCalc(const CalcDefinition &definition, const CalcContext &context);

    std::string stepName() const override;
    CalcFeedback recalculate() override;
    // There is nothing to send while no rate is shown.
    bool acceptEnabled() const override { return !output(0).value.empty(); }

protected:
    // A spring rate needs every dimension: the one taken away takes the
    // rate with it.
    CalcFeedback boxEmptied() override { return recalculate(); }
    std::optional<CalcAcceptResult> refuseAccept() const override { return refuseEmptyResult(); }
    CalcAcceptResult acceptWithin(const CalcAnswers &answers) const override;

private:
    void prefillLowerArm();
    // Empties an enabled dimension whose value lies outside its row's limits
    // (one typed for another spring type).
    void clearOutsideLimits();
    bool inputsComplete() const;

    // The two Spring Rate boxes as the main window shows them (right, left),
    // for the question before both are replaced.
    std::array<std::string, 2> m_shownSpringRates;
};

} // namespace tarvik
