// The calculation window's framework: loading a definition into the window
// state, the keyboard and validation rules of its rows, the checks every
// accept makes, making the session of a mode, and the print footer.
#include "core/calc/calcsession.h"

#include "core/calc/gainspeccalc.h"
#include "core/calc/shimcalc.h"
#include "core/calc/springcalc.h"
#include "core/calc/tablespeccalc.h"
#include "core/layout/entrynumbers.h"
#include "core/layout/units.h"
#include "core/text/numberreading.h"
#include "core/text/numbertext.h"

#include <algorithm>
#include <optional>

namespace tarvik {

namespace {

constexpr const char *kUseCalcValue = "Use Calc Value";
constexpr const char *kProductLine = "Tarvik - Quellmark Inc.";

bool endsWith(std::string_view s, std::string_view tail)
{
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// A row maximum such as 10.001 marks a whole-number row; the message shows
// its whole part.
std::string limitMaximumText(double rowMax)
{
    std::string text = numberTextWithBlank(rowMax);
    if (endsWith(text, ".001")) {
        text.resize(text.size() - 4);
        if (text == " " || text == "-") {
            text += '0';
        }
    }
    return text;
}

} // namespace

void CalcAnswers::set(CalcQuestion question, CalcAnswer answer)
{
    switch (question) {
    case CalcQuestion::OutsideLimits:
        outsideLimits = answer;
        break;
    case CalcQuestion::LetCamberChange:
        letCamberChange = answer;
        break;
    case CalcQuestion::NonStandardSpecs:
        nonStandardSpecs = answer;
        break;
    case CalcQuestion::ReplaceBothSprings:
        replaceBothSprings = answer;
        break;
    }
}

CalcSession::CalcSession(
    CalcMode mode, const CalcDefinition &definition, const CalcContext &context)
    : m_caption(definition.caption)
    , m_acceptCaption(kUseCalcValue)
    , m_resultName(definition.resultName)
    , m_noteText(definition.noteText)
    , m_frameCaptions(definition.frameCaptions)
    , m_units(context.layout.units)
    , m_mode(mode)
    , m_resultMax(definition.resultMax)
    , m_resultMin(definition.resultMin)
    , m_noteVisible(definition.hasNote)
    , m_noteCaption(definition.noteCaption)
    , m_noteLines(definition.noteLines)
    , m_frameCount(definition.frameCount)
    , m_frameRows(definition.frameRows)
    , m_lastRow(definition.lastRow)
{
    for (const Entry e : Entry::every()) {
        const std::string &text = context.layout.record.get(e);
        m_entries[e]
            = m_units == Units::Metric ? convertText(text, entryQuantity(e.number()), false) : text;
    }
    for (std::size_t j = 0; j < m_outputs.size(); ++j) {
        CalcOutputRow &out = m_outputs[j];
        out.visible = out.enabled = j < definition.outputNames.size();
        if (out.visible) {
            out.name = definition.outputNames[j];
        }
    }
    const std::size_t rowCount
        = std::min(definition.rows.size(), static_cast<std::size_t>(kCalcMaxInputRows));
    for (std::size_t i = 0; i < rowCount; ++i) {
        const CalcDefinitionRow &d = definition.rows[i];
        CalcInputRow &r = m_rows[i + 1];
        r.isChoice = d.isChoice;
        r.caption = d.caption;
        r.items = d.items;
        r.wideLayout = d.wideLayout;
        r.frame = d.frame;
        r.rowMax = d.rowMax;
        r.rowMin = d.rowMin;
        r.enabled = r.visible = true;
    }
}

std::unique_ptr<CalcSession> makeCalcSession(
    CalcMode mode, const CalcDefinition &definition, const CalcContext &context)
{
    switch (mode) {
    case CalcMode::Shim:
        return std::make_unique<ShimCalc>(definition, context);
    case CalcMode::GainSpec:
        return std::make_unique<GainSpecCalc>(definition, context);
    case CalcMode::TableSpec:
        return std::make_unique<TableSpecCalc>(definition, context);
    case CalcMode::Spring:
        return std::make_unique<SpringCalc>(definition, context);
    }
    return nullptr;
}

int CalcSession::frameRows(int frame) const
{
    return frame == 1 || frame == 2 ? m_frameRows[static_cast<std::size_t>(frame - 1)] : 0;
}

const std::string &CalcSession::frameCaption(int frame) const
{
    static const std::string none;
    return frame == 1 || frame == 2 ? m_frameCaptions[static_cast<std::size_t>(frame - 1)] : none;
}

const CalcInputRow &CalcSession::row(int k) const
{
    static const CalcInputRow hidden;
    if (k < 1 || k > kCalcMaxInputRows) {
        return hidden;
    }
    return m_rows[static_cast<std::size_t>(k)];
}

const CalcOutputRow &CalcSession::output(int j) const
{
    static const CalcOutputRow hidden;
    if (j < 0 || j >= kCalcMaxOutputRows) {
        return hidden;
    }
    return m_outputs[static_cast<std::size_t>(j)];
}

CalcInputRow &CalcSession::rowRef(int k)
{
    // Callers pass the fixed row numbers of their mode (1..10).
    return m_rows[static_cast<std::size_t>(k)];
}

CalcOutputRow &CalcSession::outputRef(int j)
{
    return m_outputs[static_cast<std::size_t>(j)];
}

double CalcSession::rowNumber(int k) const
{
    return readNumber(row(k).text);
}

const std::string &CalcSession::entryText(Entry entry) const
{
    return m_entries[entry];
}

int CalcSession::choiceOf(int k) const
{
    return row(k).choiceIndex;
}

void CalcSession::setChoice(int k, int index)
{
    CalcInputRow &r = rowRef(k);
    if (index >= -1 && index < static_cast<int>(r.items.size())) {
        r.choiceIndex = index;
    }
}

void CalcSession::setStoredChoice(int k, int index)
{
    CalcInputRow &r = rowRef(k);
    r.choiceIndex = index >= 0 && index < static_cast<int>(r.items.size()) ? index : -1;
}

void CalcSession::setNumericRow(int k, const char *caption, double rowMax, double rowMin)
{
    CalcInputRow &r = rowRef(k);
    r.caption = caption;
    r.rowMax = rowMax;
    r.rowMin = rowMin;
    r.enabled = true;
}

void CalcSession::blankRow(int k)
{
    CalcInputRow &r = rowRef(k);
    r.caption.clear();
    r.enabled = false;
}

void CalcSession::focusEntered(int k)
{
    const CalcInputRow &r = row(k);
    if (!r.visible) {
        return;
    }
    if (r.isChoice) {
        // A later click in this list is the user's own again.
        if (m_arrowPendingRow == k) {
            m_arrowPendingRow = 0;
        }
        return;
    }
    m_textOnEntry = r.text;
}

CalcFocusMove CalcSession::keyPressed(int k, CalcKey key)
{
    const CalcInputRow &r = row(k);
    if (r.isChoice && key != CalcKey::Shift) {
        m_arrowPendingRow = 0;
    }
    switch (key) {
    case CalcKey::Up:
    case CalcKey::Down:
        if (r.isChoice) {
            // The list's own handling of the key changes the choice and
            // reports a click; choiceClicked puts this index back.
            m_arrowPendingRow = k;
            m_listIndexBeforeArrow = r.choiceIndex;
        }
        return key == CalcKey::Up ? CalcFocusMove::Previous : CalcFocusMove::Next;
    case CalcKey::Enter:
        return CalcFocusMove::Next;
    case CalcKey::Shift:
    case CalcKey::Other:
        break;
    }
    return CalcFocusMove::None;
}

CalcFeedback CalcSession::leaveBox(int k, std::string_view text)
{
    if (k < 1 || k > kCalcMaxInputRows || row(k).isChoice || !row(k).visible) {
        return {};
    }
    CalcInputRow &r = rowRef(k);
    r.text = std::string(text);
    if (r.text.empty()) {
        return boxEmptied();
    }
    if (std::optional<CalcFeedback> refused
        = refuseOutside(r.caption, r.text, r.rowMax, r.rowMin)) {
        r.text = m_textOnEntry;
        return *refused;
    }
    return recalculate();
}

std::optional<CalcFeedback> CalcSession::refuseOutside(
    const std::string &caption, std::string &text, double rowMax, double rowMin)
{
    const double value = readNumber(text);
    text = numberText(value);
    if (!(value > rowMax || value < rowMin)) {
        return std::nullopt;
    }
    CalcFeedback refused;
    refused.messages.push_back(CalcMessage { "Warning",
        caption + " = " + text + ".  Value must be between " + numberTextWithBlank(rowMin) + " and "
            + limitMaximumText(rowMax) + " .",
        CalcButtons::Ok, CalcIcon::Exclamation });
    refused.keepFocus = true;
    return refused;
}

CalcFeedback CalcSession::choiceClicked(int k, int index)
{
    if (k < 1 || k > kCalcMaxInputRows || !row(k).isChoice || !row(k).visible) {
        return {};
    }
    if (m_arrowPendingRow == k) {
        m_arrowPendingRow = 0;
        setChoice(k, m_listIndexBeforeArrow);
    } else {
        setChoice(k, index);
    }
    return recalculate();
}

std::optional<CalcAcceptResult> CalcSession::refuseEmptyResult() const
{
    if (!output(0).value.empty()) {
        return std::nullopt;
    }
    return CalcAcceptResult::stayOpen(CalcMessage { " ",
        "No " + m_resultName + " has been calculated.  No " + m_resultName + " can be used." });
}

CalcAcceptResult CalcSession::accept(const CalcAnswers &answers) const
{
    if (std::optional<CalcAcceptResult> refused = refuseAccept()) {
        return std::move(*refused);
    }
    const double value = readNumber(output(0).value);
    if (value > m_resultMax || value < m_resultMin) {
        if (!answers.outsideLimits) {
            return CalcAcceptResult::ask(CalcQuestion::OutsideLimits,
                CalcMessage { " ",
                    "Calculated " + m_resultName + " is outside normal limit of "
                        + numberTextWithBlank(m_resultMin) + " to "
                        + numberTextWithBlank(m_resultMax)
                        + ".  Check your inputs as this combination seems quite unusual.\r\r"
                        + "Do you still want to close this menu?  (If you answer Yes, you will "
                          "have "
                          "to re-enter these numbers again.)",
                    CalcButtons::YesNoCancel, CalcIcon::Question, 1 });
        }
        if (*answers.outsideLimits == CalcAnswer::Yes) {
            return CalcAcceptResult::close();
        }
        return CalcAcceptResult {};
    }
    return acceptWithin(answers);
}

CalcOpenResult openCalcWindow(
    CalcMode mode, const std::filesystem::path &dataDir, const CalcContext &context)
{
    CalcOpenResult out;
    if (mode == CalcMode::Shim) {
        out.refusal = shimOpenRefusal(context.layout.record, context.shimSide);
        if (out.refusal) {
            return out;
        }
    }
    const CalcDefinitionResult loaded = loadCalcDefinitionFor(dataDir, mode, context.layout.units);
    std::string problem = loaded.message;
    if (loaded.definition) {
        problem = calcDefinitionMismatch(mode, *loaded.definition,
            findCalcDefinitionFile(dataDir, mode, context.layout.units).string());
    }
    if (!problem.empty()) {
        out.refusal = CalcMessage { "Calculation Not Available", std::move(problem),
            CalcButtons::Ok, CalcIcon::Exclamation };
        return out;
    }
    out.session = makeCalcSession(mode, *loaded.definition, context);
    if (out.session) {
        out.feedback = out.session->recalculate();
    }
    return out;
}

std::string calcPrintCommentPrompt()
{
    return "Enter a comment which will be printed at the bottom of this menu.\r\r"
           "Enter nothing and click on OK, or click on Cancel, to enter no comment.";
}

std::string calcPrintFooter(
    std::string_view fileDisplayName, std::string_view comment, const std::tm &now)
{
    const int hour12 = now.tm_hour % 12 == 0 ? 12 : now.tm_hour % 12;
    const int year = ((now.tm_year + 1900) % 100 + 100) % 100;
    const auto twoDigits = [](int v) {
        const int d = (v % 100 + 100) % 100;
        return std::string { static_cast<char>('0' + d / 10), static_cast<char>('0' + d % 10) };
    };
    const std::string when = std::to_string(now.tm_mon + 1) + "/" + std::to_string(now.tm_mday)
        + "/" + twoDigits(year) + " " + std::to_string(hour12) + ":" + twoDigits(now.tm_min)
        + (now.tm_hour < 12 ? " am" : " pm");
    return std::string(kProductLine) + "\r" + "Vehicle File: " + std::string(fileDisplayName)
        + std::string(10, ' ') + when + "\r" + std::string(comment);
}

} // namespace tarvik
