// CalcSession: everything the calculation window (frmCalcData) does that is
// not pixels, for one open window in one mode: shims (1), camber-gain
// definition (2), table specs (3) and spring rate (11).
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

#include "core/calc/calcdefinition.h"
#include "core/calc/calcmessage.h"
#include "core/calc/shimtargetstate.h"
#include "core/layout/entrynumbers.h"
#include "core/layout/layoutstate.h"
#include "core/layout/settings.h"
#include "core/layout/specrecord.h"
#include "core/table/tablespec.h"

#include <array>
#include <ctime>
#include <filesystem>
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

// The shim calculator's choices, remembered per side until File New or
// File Open.
struct ShimChoices
{
    int direction = 0; // row 1: 0 shims added, otherwise removed
    int shimType = 0; // row 2: 0 no change, 1 standard shims, 2 and above custom
    int sixteenths = 0; // row 3: number of 1/16 in shims
    int eighths = 0; // row 4: number of 1/8 in shims
    double customThickness = 0; // row 5, inches

    friend bool operator==(const ShimChoices &, const ShimChoices &) = default;
};

// What the window reads from the rest of the program when it opens. The
// session copies what it needs; the references need not outlive open().
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

    const LayoutState &layout; // entry texts and the units flag
    const Settings &settings; // camber-gain definition, table spec, camber option
    int shimSide = kSideRight; // mode 1: kSideRight (0) or kSideLeft (1)
    std::optional<ShimChoices> shimChoices; // mode 1: remembered for that side
};

struct CalcEntryWrite
{
    int entry = 0;
    std::string text;

    friend bool operator==(const CalcEntryWrite &, const CalcEntryWrite &) = default;
};

struct GainDefinition
{
    int GainSpecChoice = 0; // 0 standard: 1 in of dive, no roll
    std::string GainDiveText;
    std::string GainRollText;

    friend bool operator==(const GainDefinition &, const GainDefinition &) = default;
};

// What an accepted window hands back to the program.
struct CalcWriteBack
{
    // Spec record entries with their new texts, applied as one change.
    std::vector<CalcEntryWrite> entries;
    std::optional<GainDefinition> gainDefinition; // mode 2
    std::optional<TableSpec> tableSpec; // mode 3
    // Run the redraw request; camberFollowsEdit is the flag for that one
    // redraw (mode 1: camber follows the moved arm when true; mode 2 clears
    // it). The static cambers that redraw writes back belong in the record.
    bool redraw = false;
    bool camberFollowsEdit = false;
    std::optional<ShimChoices> shimChoices; // mode 1: remember for shimSide
    int shimSide = kSideRight;
};

enum class CalcQuestion { OutsideLimits, LetCamberChange, NonStandardSpecs, ReplaceBothSprings };

// Answers the window has got so far; accept asks for the first one missing.
struct CalcAnswers
{
    std::optional<CalcAnswer> outsideLimits;
    std::optional<CalcAnswer> letCamberChange;
    std::optional<CalcAnswer> nonStandardSpecs;
    std::optional<CalcAnswer> replaceBothSprings;

    void set(CalcQuestion question, CalcAnswer answer);
};

struct CalcAcceptResult
{
    enum class Outcome {
        StayOpen, // show `message` when there is one; nothing is written
        Ask, // ask `message`, record the answer for `question`, accept again
        Close // apply `writeBack` when there is one, then close the window
    };
    Outcome outcome = Outcome::StayOpen;
    std::optional<CalcMessage> message;
    CalcQuestion question = CalcQuestion::OutsideLimits;
    std::optional<CalcWriteBack> writeBack;

    // The question to ask before Accept can go on.
    static CalcAcceptResult ask(CalcQuestion question, CalcMessage message)
    {
        CalcAcceptResult r;
        r.outcome = Outcome::Ask;
        r.question = question;
        r.message = std::move(message);
        return r;
    }
};

enum class CalcKey { Up, Down, Enter, Shift, Other };
enum class CalcFocusMove { None, Previous, Next };

class CalcSession
{
public:
    // Loads the window from the definition (which should suit the mode, see
    // calcDefinitionMismatch), runs the mode's set-up and the first
    // calculation; the feedback holds what that calculation shows.
    CalcFeedback open(int mode, const CalcDefinition &definition, const CalcContext &context);

    int mode() const { return m_mode; }
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
    int shimSide() const { return m_shimSide; }
    // What an accepted write-back is called in the Edit menu's Undo and
    // Redo: "Shim Right Side", "Shim Left Side", "Spring Rate".
    std::string stepName() const;
    // The help window's topic group; its page starts at 0.
    int helpGroup() const { return m_mode * 100; }

    // A control of row k got the focus: a box remembers its text to restore
    // on a refused value; a choice list forgets an arrow key pressed in it.
    void focusEntered(int k);
    // A key in row k's control; the window moves the focus as told and
    // consumes Enter. Up and Down in a choice list move the focus and never
    // change the choice (see choiceClicked).
    CalcFocusMove keyPressed(int k, CalcKey key);
    // Row k's box lost the focus holding `text`: normalised, range checked
    // (refused: the "Warning" message, the text it had on entry, and the
    // focus stays), then recalculated. An empty box is not checked; the
    // spring calculator works its rate out again (there is none then).
    CalcFeedback leaveBox(int k, std::string_view text);
    // Row k's list reports `index` chosen (by a click, or by the list's own
    // handling of an arrow key, which is undone); then recalculated.
    CalcFeedback choiceClicked(int k, int index);
    CalcFeedback recalculate();
    // The checks and the write-back of the accept button. Changes nothing in
    // the session, so the window can call it again with more answers.
    CalcAcceptResult accept(const CalcAnswers &answers = {}) const;
    // Whether the accept button can be used: the spring calculator has
    // nothing to send while it shows no rate.
    bool acceptEnabled() const;

    // The shim calculator's target camber (see shimtargetstate.h); nothing
    // happens in other modes. Switching on searches for the text the box
    // holds; the box is checked and left as a row's box is (a refused value:
    // the "Warning" message and the text on entry); an emptied box clears
    // the stack found. A layout on which no stack can be solved gives a
    // message and changes no row.
    const ShimTargetState &shimTarget() const { return m_target; }
    CalcFeedback setShimTargetOn(bool on);
    void shimTargetEntered();
    CalcFeedback leaveShimTarget(std::string_view text);

    // While the help window opened from here is up, losing the activation
    // does not close this window.
    void setHelpOpen(bool open) { m_helpOpen = open; }
    bool closesOnDeactivation() const { return !m_helpOpen; }

private:
    CalcInputRow &rowRef(int k);
    CalcOutputRow &outputRef(int j);
    double rowNumber(int k) const;
    const std::string &entryText(int entry) const; // empty outside 0..55
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

    void setUpShim(const std::optional<ShimChoices> &remembered);
    CalcFeedback searchShimTarget();
    void clearShimTargetStack();
    void recalculateShim(CalcFeedback &feedback);
    CalcAcceptResult acceptShim(const CalcAnswers &answers) const;
    void recalculateSpring();
    void prefillLowerArm();
    // Empties an enabled dimension whose value lies outside its row's limits
    // (one typed for another spring type).
    void clearOutsideLimits();
    bool springInputsComplete() const;
    CalcAcceptResult acceptSpring(const CalcAnswers &answers) const;
    void setUpGainSpec(const Settings &settings);
    void recalculateGainSpec();
    CalcAcceptResult acceptGainSpec(const CalcAnswers &answers) const;
    void setUpTableSpec(const TableSpec &spec);
    void recalculateTableSpec(CalcFeedback &feedback);
    TableSpec tableSpecFromRows() const;
    CalcAcceptResult acceptTableSpec() const;

    int m_mode = 0;
    std::string m_caption;
    std::string m_acceptCaption;
    std::string m_resultName;
    double m_resultMax = 0;
    double m_resultMin = 0;
    bool m_noteVisible = false;
    std::string m_noteCaption;
    int m_noteLines = 0;
    std::string m_noteText;
    int m_frameCount = 1;
    std::array<int, 2> m_frameRows {};
    std::array<std::string, 2> m_frameCaptions;
    int m_lastRow = 0;
    std::array<CalcInputRow, kCalcMaxInputRows + 1> m_rows; // [0] unused
    std::array<CalcOutputRow, kCalcMaxOutputRows> m_outputs;

    std::string m_textOnEntry;
    // An Up or Down arrow pressed in a choice list: the row and its index then.
    int m_arrowPendingRow = 0;
    int m_listIndexBeforeArrow = -1;
    bool m_helpOpen = false;

    // Copied from the context at opening, in inches and pounds per inch (a
    // metric layout's texts converted), so every calculation works in the
    // units of its formulas; what goes back is in the layout's units.
    std::array<std::string, kEntryCount> m_entries;
    // The two Spring Rate boxes as the main window shows them (right, left),
    // for the question before both are replaced.
    std::array<std::string, 2> m_shownSpringRates;
    int m_unitsFlag = 0;
    int m_camberOption = 0;
    int m_shimSide = kSideRight;
    ShimTargetState m_target;
};

struct CalcOpenResult
{
    std::optional<CalcSession> session; // none: show `refusal` instead
    std::optional<CalcMessage> refusal;
    CalcFeedback feedback; // what the first calculation shows
};

// Everything an opener does: the shim calculator's geometry check, finding
// and reading the mode's definition (by the layout's units flag), and open().
CalcOpenResult openCalcWindow(
    int mode, const std::filesystem::path &dataDir, const CalcContext &context);

// Before the shim calculator opens for a side: the "Unusual Geometry"
// message when the upper frame pivot is not inboard of the upper ball joint
// or the upper ball joint is not above the lower one; none when it may open.
std::optional<CalcMessage> shimOpenRefusal(const SpecRecord &record, int side);

// The print command's comment prompt.
inline constexpr const char *kCalcPrintCommentTitle = "Printed Comment";
std::string calcPrintCommentPrompt();
// The footer printed below the window: the product line, "Vehicle File: " +
// the vehicle file's display name + ten blanks + the time as
// "m/d/yy h:mm am/pm", and the comment, one per line.
std::string calcPrintFooter(
    std::string_view fileDisplayName, std::string_view comment, const std::tm &now);

} // namespace tarvik
