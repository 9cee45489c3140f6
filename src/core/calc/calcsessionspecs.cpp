// The two modes that edit program-wide specs instead of computing a value:
// the camber-gain definition (mode 2; rows 1 choice, 0 standard, 2 dive in
// inches, 3 roll in degrees) and the camber table's rows and columns (mode 3;
// rows 1 orientation, 2-3 dive range, 4 dive increment, 5-6 roll range,
// 7 roll increment), with the live fit to 10 x 11 and its preview.
#include "core/calc/calcsession.h"
#include "core/calc/tablespecfit.h"

namespace tarvik {

namespace {

constexpr const char *kGainNoteTail = "\r\rIMPORTANT:  Wheel Rates in the Main Program's 'Other "
                                      "Specs' are most accurate if you 'Use Standard Specs'.";

CalcAcceptResult closeWith(CalcWriteBack wb)
{
    CalcAcceptResult done;
    done.outcome = CalcAcceptResult::Outcome::Close;
    done.writeBack = std::move(wb);
    return done;
}

} // namespace

void CalcSession::setUpGainSpec(const Settings &settings)
{
    setStoredChoice(1, settings.GainSpecChoice);
    rowRef(2).text = settings.GainDiveText;
    rowRef(3).text = settings.GainRollText;
    m_noteText += kGainNoteTail;
}

void CalcSession::recalculateGainSpec()
{
    CalcOutputRow &out = outputRef(0);
    out.visible = out.enabled = false;
    out.value.assign(1, '0'); // (not = "0": GCC 12 misreports a one-character assignment)
    // The texts stay while the standard specs are chosen, and are stored too.
    rowRef(2).enabled = rowRef(3).enabled = choiceOf(1) != 0;
}

CalcAcceptResult CalcSession::acceptGainSpec(const CalcAnswers &answers) const
{
    if (choiceOf(1) != 0) {
        if (!answers.nonStandardSpecs) {
            return CalcAcceptResult::ask(CalcQuestion::NonStandardSpecs,
                CalcMessage { "Use Non-Standard Specs Anyway?",
                    "The Wheel Rates calculated from geometry and Spring Rates are most accurate "
                    "if "
                    "you 'Use Standard Specs' for Camber Gain.  Are you sure you want to use these "
                    "'non-standard' specs?",
                    CalcButtons::YesNoCancel, CalcIcon::Question, 1 });
        }
        if (*answers.nonStandardSpecs != CalcAnswer::Yes) {
            return CalcAcceptResult {};
        }
    }
    CalcWriteBack wb;
    wb.gainDefinition = GainDefinition { choiceOf(1), row(2).text, row(3).text };
    wb.redraw = true;
    wb.camberFollowsEdit = false;
    return closeWith(std::move(wb));
}

void CalcSession::setUpTableSpec(const TableSpec &spec)
{
    setStoredChoice(1, spec.RowsAreRoll);
    rowRef(2).text = spec.DiveFrom;
    rowRef(3).text = spec.DiveTo;
    setStoredChoice(4, spec.DiveIncIndex);
    rowRef(5).text = spec.RollFrom;
    rowRef(6).text = spec.RollTo;
    setStoredChoice(7, spec.RollIncIndex);
}

TableSpec CalcSession::tableSpecFromRows() const
{
    return TableSpec { choiceOf(1), row(2).text, row(3).text, choiceOf(4), row(5).text, row(6).text,
        choiceOf(7) };
}

void CalcSession::recalculateTableSpec(CalcFeedback &feedback)
{
    CalcOutputRow &out = outputRef(0);
    out.visible = out.enabled = false;
    const TableSpecFit fit = fitTableSpec(tableSpecFromRows(), m_unitsFlag);
    for (const std::string &warning : fit.warnings) {
        feedback.messages.push_back(CalcMessage { "", warning });
    }
    // The fit only ever moves an index to a coarser item of the list.
    rowRef(4).choiceIndex = fit.spec.DiveIncIndex;
    rowRef(7).choiceIndex = fit.spec.RollIncIndex;
    m_noteText = tableSpecPreview(fit);
}

CalcAcceptResult CalcSession::acceptTableSpec() const
{
    const TableSpec spec = tableSpecFromRows();
    const std::string refusal = tableSpecRefusal(spec, m_unitsFlag);
    if (!refusal.empty()) {
        // The fit stops at the largest increment; only a narrower range helps.
        CalcAcceptResult refused;
        refused.message = CalcMessage { "Table Too Large",
            refusal
                + "\r\rThe largest increment is already chosen, so the table still has too many "
                  "values.  Narrow the range (the From and To values) before you click on "
                  "OK/Exit.",
            CalcButtons::Ok, CalcIcon::Exclamation };
        return refused;
    }
    CalcWriteBack wb;
    wb.tableSpec = spec;
    return closeWith(std::move(wb));
}

} // namespace tarvik
