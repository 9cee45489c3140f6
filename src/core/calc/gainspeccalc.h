// The camber-gain definition: how the camber gain is measured, edited in the
// calculation window instead of computing a value. Rows: 1 choice (0 the
// standard specs: 1 in of dive, no roll), 2 dive in inches, 3 roll in
// degrees. Accept hands the definition back for the settings, after a
// question when it is not the standard one.
#pragma once

#include "core/calc/calcsession.h"

namespace tarvik {

class GainSpecCalc : public CalcSession
{
public:
    // Opens on the settings' definition.
    GainSpecCalc(const CalcDefinition &definition, const CalcContext &context);

    CalcFeedback recalculate() override;

protected:
    CalcAcceptResult acceptWithin(const CalcAnswers &answers) const override;
};

} // namespace tarvik
