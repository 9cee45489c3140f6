// The camber table's rows and columns, edited in the calculation window.
// Rows: 1 orientation, 2-3 dive range, 4 dive increment, 5-6 roll range,
// 7 roll increment; the note shows the live fit to 10 x 11 as a preview.
// Accept hands the spec back for the settings, or refuses one that still
// does not fit.
#pragma once

#include "core/calc/calcsession.h"

namespace tarvik {

class TableSpecCalc : public CalcSession
{
public:
    // Opens on the settings' table spec.
    TableSpecCalc(const CalcDefinition &definition, const CalcContext &context);

    CalcFeedback recalculate() override;

protected:
    CalcAcceptResult acceptWithin(const CalcAnswers &answers) const override;

private:
    TableSpec specFromRows() const;
};

} // namespace tarvik
