// The table specs' rows, live fit and write-back; see tablespeccalc.h.
#include "core/calc/tablespeccalc.h"

#include "core/calc/tablespecfit.h"

namespace tarvik {

namespace {

constexpr const char *kOkExit = "OK/Exit";

} // namespace

TableSpecCalc::TableSpecCalc(const CalcDefinition &definition, const CalcContext &context)
    : CalcSession(CalcMode::TableSpec, definition, context)
{
    m_acceptCaption = kOkExit;
    const TableSpec &spec = context.settings.tableSpec;
    setStoredChoice(1, spec.RowsAreRoll);
    rowRef(2).text = spec.DiveFrom;
    rowRef(3).text = spec.DiveTo;
    setStoredChoice(4, spec.DiveIncIndex);
    rowRef(5).text = spec.RollFrom;
    rowRef(6).text = spec.RollTo;
    setStoredChoice(7, spec.RollIncIndex);
}

TableSpec TableSpecCalc::specFromRows() const
{
    return TableSpec { choiceOf(1), row(2).text, row(3).text, choiceOf(4), row(5).text, row(6).text,
        choiceOf(7) };
}

CalcFeedback TableSpecCalc::recalculate()
{
    CalcFeedback feedback;
    CalcOutputRow &out = outputRef(0);
    out.visible = out.enabled = false;
    const TableSpecFit fit = fitTableSpec(specFromRows(), m_units);
    for (const std::string &warning : fit.warnings) {
        feedback.messages.push_back(CalcMessage { "", warning });
    }
    // The fit only ever moves an index to a coarser item of the list.
    rowRef(4).choiceIndex = fit.spec.DiveIncIndex;
    rowRef(7).choiceIndex = fit.spec.RollIncIndex;
    m_noteText = tableSpecPreview(fit);
    return feedback;
}

CalcAcceptResult TableSpecCalc::acceptWithin(const CalcAnswers &) const
{
    const TableSpec spec = specFromRows();
    const std::string refusal = tableSpecRefusal(spec, m_units);
    if (!refusal.empty()) {
        // The fit stops at the largest increment; only a narrower range helps.
        return CalcAcceptResult::stayOpen(CalcMessage { "Table Too Large",
            refusal
                + "\r\rThe largest increment is already chosen, so the table still has too many "
                  "values.  Narrow the range (the From and To values) before you click on "
                  "OK/Exit.",
            CalcButtons::Ok, CalcIcon::Exclamation });
    }
    CalcWriteBack wb;
    wb.tableSpec = spec;
    return CalcAcceptResult::close(std::move(wb));
}

} // namespace tarvik
