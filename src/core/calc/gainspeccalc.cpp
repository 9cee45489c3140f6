// The camber-gain definition's rows and write-back; see gainspeccalc.h.
#include "core/calc/gainspeccalc.h"

namespace tarvik {

namespace {

constexpr const char *kOkExit = "OK/Exit";
constexpr const char *kGainNoteTail = "\r\rIMPORTANT:  Wheel Rates in the Main Program's 'Other "
                                      "Specs' are most accurate if you 'Use Standard Specs'.";

} // namespace

GainSpecCalc::GainSpecCalc(const CalcDefinition &definition, const CalcContext &context)
    : CalcSession(CalcMode::GainSpec, definition, context)
{
    m_acceptCaption = kOkExit;
    setStoredChoice(1, context.settings.GainSpecChoice);
    rowRef(2).text = context.settings.GainDiveText;
    rowRef(3).text = context.settings.GainRollText;
    m_noteText += kGainNoteTail;
}

CalcFeedback GainSpecCalc::recalculate()
{
    CalcOutputRow &out = outputRef(0);
    out.visible = out.enabled = false;
    out.value.assign(1, '0'); // (not = "0": GCC 12 misreports a one-character assignment)
    // The texts stay while the standard specs are chosen, and are stored too.
    rowRef(2).enabled = rowRef(3).enabled = choiceOf(1) != 0;
    return {};
}

CalcAcceptResult GainSpecCalc::acceptWithin(const CalcAnswers &answers) const
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
    return CalcAcceptResult::close(std::move(wb));
}

} // namespace tarvik
