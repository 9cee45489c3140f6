// CalcSession: everything the calculation window (frmCalcData) does that is
// not pixels, for one open window. This base holds what every mode shares:
// the rows loaded from the definition, the keyboard and box rules, and the
// checks every Accept makes. Each mode is a class of its own that sets the
// rows up, calculates and writes back: ShimCalc (shimcalc.h), GainSpecCalc
// (gainspeccalc.h), TableSpecCalc (tablespeccalc.h), SpringCalc
// (springcalc.h). openCalcWindow makes the one a mode asks for.
//
// The window maps its controls to this state (input rows 1..10 with their
// caption, choice items and index or box text, limits, enabled and visible
// flags; output rows 0..2; captions and the note) and calls the operations
// below when the user acts; after each call it refreshes its controls from
// the state and shows the messages it is handed, in order. Accept never
// changes anything outside the session: it hands back what to write (entry
// texts as one change of the layout, settings, remembered shim choices), or
// a question the window asks before calling accept again with the answer.
#pragma once

#include "core/calc/calcaccept.h"
#include "core/calc/calcdefinition.h"
#include "core/calc/calcmessage.h"
#include "core/layout/entry.h"
#include "core/layout/layoutstate.h"
#include "core/layout/settings.h"

#include <array>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvik {

struct CalcInputRow
{
    bool isChoice = false;
    std::string caption;
    std::vector<std::string> items; // choice rows
    bool wideLayout = false; // caption 2550 wide, list at 2900, 800 wide (twips)
    int frame = 1;
    int choiceIndex = -1; // -1: nothing chosen
    std::string text; // numeric rows: the box text
    double rowMax = 0;
    double rowMin = 0;
    bool enabled = false; // caption and control together
    bool visible = false;
};

struct CalcOutputRow
{
    std::string name;
    std::string value;
    bool enabled = false; // name and value together
    bool visible = false;
};

// What the window reads from the rest of the program when it opens. The
// session copies what it needs; the references need not outlive the opening.
struct CalcContext
{
    CalcContext(const LayoutState &layoutState, const Settings &programSettings,
        int side = kSideRight, std::optional<ShimChoices> remembered = std::nullopt)
        : layout(layoutState)
        , settings(programSettings)
        , shimSide(side)
        , shimChoices(std::move(remembered))
    {
    }

    const LayoutState &layout; // entry texts and the units
    const Settings &settings; // camber-gain definition, table spec, camber option
    int shimSide = kSideRight; // shims: kSideRight (0) or kSideLeft (1)
    std::optional<ShimChoices> shimChoices; // shims: remembered for that side
};

enum class CalcKey { Up, Down, Enter, Shift, Other };
enum class CalcFocusMove { None, Previous, Next };

class CalcSession
{
public:
    virtual ~CalcSession() = default;
    CalcSession(const CalcSession &) = delete;
    CalcSession &operator=(const CalcSession &) = delete;

    CalcMode mode() const { return m_mode; }
    const std::string &caption() const { return m_caption; }
    const std::string &acceptCaption() const { return m_acceptCaption; }
    const std::string &resultName() const { return m_resultName; }
    bool noteVisible() const { return m_noteVisible; }
    const std::string &noteCaption() const { return m_noteCaption; }
    int noteLines() const { return m_noteLines; }
    const std::string &noteText() const { return m_noteText; }
    int frameCount() const { return m_frameCount; }
    int frameRows(int frame) const;
    const std::string &frameCaption(int frame) const; // frame 1 or 2
    int lastRow() const { return m_lastRow; }
    // Row 0 and rows outside 1..10 are an always hidden, disabled row.
    const CalcInputRow &row(int k) const;
    const CalcOutputRow &output(int j) const; // 0..2
    // What an accepted write-back is called in the Edit menu's Undo and
    // Redo: "Shim Right Side", "Shim Left Side", "Spring Rate"; otherwise
    // the window's caption.
    virtual std::string stepName() const { return m_caption; }
    // The help window's topic group; its page starts at 0.
    int helpGroup() const { return static_cast<int>(m_mode) * 100; }

    // A control of row k got the focus: a box remembers its text to restore
    // on a refused value; a choice list forgets an arrow key pressed in it.
    void focusEntered(int k);
    // A key in row k's control; the window moves the focus as told and
    // consumes Enter. Up and Down in a choice list move the focus and never
    // change the choice (see choiceClicked).
    CalcFocusMove keyPressed(int k, CalcKey key);
    // Row k's box lost the focus holding `text`: normalised, range checked
    // (refused: the "Warning" message, the text it had on entry, and the
    // focus stays), then recalculated. An empty box is not checked (see
    // boxEmptied).
    CalcFeedback leaveBox(int k, std::string_view text);
    // Row k's list reports `index` chosen (by a click, or by the list's own
    // handling of an arrow key, which is undone); then recalculated.
    CalcFeedback choiceClicked(int k, int index);
    // The mode's calculation from the rows as they stand.
    virtual CalcFeedback recalculate() = 0;
    // The checks and the write-back of the accept button. Changes nothing in
    // the session, so the window can call it again with more answers.
    CalcAcceptResult accept(const CalcAnswers &answers = {}) const;
    // Whether the accept button can be used.
    virtual bool acceptEnabled() const { return true; }

    // While the help window opened from here is up, losing the activation
    // does not close this window.
    void setHelpOpen(bool open) { m_helpOpen = open; }
    bool closesOnDeactivation() const { return !m_helpOpen; }

protected:
    // Loads the window from the definition (which should suit the mode, see
    // calcDefinitionMismatch) and copies what it needs from the context. The
    // mode's own constructor then sets its rows up.
    CalcSession(CalcMode mode, const CalcDefinition &definition, const CalcContext &context);

    // A box was emptied; the modes keep what they show.
    virtual CalcFeedback boxEmptied() { return {}; }
    // Accept's refusals before the result is checked against its normal
    // limits; none by default.
    virtual std::optional<CalcAcceptResult> refuseAccept() const { return std::nullopt; }
    // Accept once the result lies within its limits (or the user kept it).
    virtual CalcAcceptResult acceptWithin(const CalcAnswers &answers) const = 0;

    // "No <result> has been calculated": accept's refusal of an empty result.
    std::optional<CalcAcceptResult> refuseEmptyResult() const;

    CalcInputRow &rowRef(int k);
    CalcOutputRow &outputRef(int j);
    double rowNumber(int k) const;
    const std::string &entryText(Entry entry) const;
    int choiceOf(int k) const;
    void setChoice(int k, int index);
    // A stored index: kept when the list has it, else no choice (which every
    // mode reads with the meaning "any other value").
    void setStoredChoice(int k, int index);
    void setNumericRow(int k, const char *caption, double rowMax, double rowMin);
    void blankRow(int k);

    // Normalises a box's text; the refusal to show when it lies outside.
    static std::optional<CalcFeedback> refuseOutside(
        const std::string &caption, std::string &text, double rowMax, double rowMin);

    std::string m_caption;
    std::string m_acceptCaption;
    std::string m_resultName;
    std::string m_noteText;
    std::array<std::string, 2> m_frameCaptions;
    // The text a box had when it got the focus.
    std::string m_textOnEntry;

    // Copied from the context at opening, in inches and pounds per inch (a
    // metric layout's texts converted), so every calculation works in the
    // units of its formulas; what goes back is in the layout's units.
    EntryTexts m_entries;
    Units m_units = Units::English;

private:
    CalcMode m_mode;
    double m_resultMax = 0;
    double m_resultMin = 0;
    bool m_noteVisible = false;
    std::string m_noteCaption;
    int m_noteLines = 0;
    int m_frameCount = 1;
    std::array<int, 2> m_frameRows {};
    int m_lastRow = 0;
    std::array<CalcInputRow, kCalcMaxInputRows + 1> m_rows; // [0] unused
    std::array<CalcOutputRow, kCalcMaxOutputRows> m_outputs;

    // An Up or Down arrow pressed in a choice list: the row and its index then.
    int m_arrowPendingRow = 0;
    int m_listIndexBeforeArrow = -1;
    bool m_helpOpen = false;
};

// Makes the session of a mode on a definition, without calculating; none for
// a value outside the four modes.
std::unique_ptr<CalcSession> makeCalcSession(
    CalcMode mode, const CalcDefinition &definition, const CalcContext &context);

struct CalcOpenResult
{
    std::unique_ptr<CalcSession> session; // none: show `refusal` instead
    std::optional<CalcMessage> refusal;
    CalcFeedback feedback; // what the first calculation shows
};

// Everything an opener does: the shim calculator's geometry check, finding
// and reading the mode's definition (by the layout's units), making the
// session and its first calculation.
CalcOpenResult openCalcWindow(
    CalcMode mode, const std::filesystem::path &dataDir, const CalcContext &context);

// The print command's comment prompt.
inline constexpr const char *kCalcPrintCommentTitle = "Printed Comment";
std::string calcPrintCommentPrompt();
// The footer printed below the window: the product line, "Vehicle File: " +
// the vehicle file's display name + ten blanks + the time as
// "m/d/yy h:mm am/pm", and the comment, one per line.
std::string calcPrintFooter(
    std::string_view fileDisplayName, std::string_view comment, const std::tm &now);

} // namespace tarvik
