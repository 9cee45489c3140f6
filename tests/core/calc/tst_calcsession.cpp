// The calculation window's logic driven as the window drives it, on the
// shipped definition files: box and choice rules, the accept flow with its
// questions, and each mode's calculation and write-back. The window's own
// tests already type the worked spring, the range message, the standard
// shims, the gain question and the fitted table spec; these keep to the
// rules a window test does not reach.
#include "../design/designfixtures.h"
#include "core/calc/calcsession.h"
#include "core/calc/shimcalc.h"
#include "support/namedentries.h"

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

using namespace tarvik;

namespace {

// The worked example (static camber -.5) with lower arm lengths of 16 right
// and 15.9 left.
LayoutState workedLayout()
{
    LayoutState layout = test::exampleLayout("WORKED.TK");
    layout.record.set(kRightLowerArmLength, "16");
    layout.record.set(kLeftLowerArmLength, "15.9");
    return layout;
}

class CalcSessionTest : public ::testing::Test
{
protected:
    // The session opened, kept until the test ends.
    CalcSession &open(CalcMode mode, int side = kSideRight, std::optional<ShimChoices> shim = {})
    {
        CalcOpenResult r
            = openCalcWindow(mode, TARVIK_SOURCE_DATA_DIR, { layout, settings, side, shim });
        EXPECT_TRUE(r.session) << (r.refusal ? r.refusal->text : "");
        if (!r.session) {
            throw std::runtime_error("no session");
        }
        opened.push_back(std::move(r.session));
        return *opened.back();
    }

    // Runs accept, answering each question with the next of `answers`.
    CalcAcceptResult acceptWith(const CalcSession &s, std::vector<CalcAnswer> answers)
    {
        CalcAnswers given;
        for (;;) {
            CalcAcceptResult r = s.accept(given);
            if (r.outcome != CalcAcceptResult::Outcome::Ask || answers.empty()) {
                return r;
            }
            asked.push_back(r.message->title);
            given.set(r.question, answers.front());
            answers.erase(answers.begin());
        }
    }

    LayoutState layout = workedLayout();
    Settings settings;
    std::vector<std::string> asked;
    std::vector<std::unique_ptr<CalcSession>> opened;
};

} // namespace

TEST_F(CalcSessionTest, BoxTakesTheLeadingNumberAndARateNeedsEveryDimension)
{
    CalcSession &s = open(CalcMode::Spring); // coil: row 3 wire diameter, .02 to 3
    EXPECT_FALSE(s.acceptEnabled());
    const auto type = [&s](int row, const char *text) {
        s.focusEntered(row);
        return s.leaveBox(row, text);
    };
    EXPECT_TRUE(type(3, "0.50abc").messages.empty());
    EXPECT_EQ(s.row(3).text, ".5");
    type(4, "3.5");
    type(5, "10");
    EXPECT_EQ(s.output(0).value, "134");
    EXPECT_TRUE(s.acceptEnabled());
    // An emptied box is not checked, and takes the rate away: nothing to send.
    EXPECT_TRUE(type(4, "").messages.empty());
    EXPECT_EQ(s.output(0).value, "");
    EXPECT_FALSE(s.acceptEnabled());
    EXPECT_EQ(s.accept().outcome, CalcAcceptResult::Outcome::StayOpen);
    type(4, "3.5");

    // To a leaf spring: the wire diameter .5 is no number of leaves (1 to 10)
    // and goes; 3.5 and 10 fit their new rows and stay, but the leaf's
    // thickness and width are still missing.
    s.choiceClicked(2, 1);
    EXPECT_EQ(s.row(3).text, "");
    EXPECT_EQ(s.row(4).text, "3.5");
    EXPECT_EQ(s.row(5).text, "10");
    EXPECT_EQ(s.output(0).value, "");
    type(3, "1");
    type(6, ".25");
    type(7, "2");
    EXPECT_FALSE(s.output(0).value.empty());
    // Back to coil: the one leaf is a wire diameter within .02 to 3 and
    // stays; rows 6 and 7 are unused, so there is a rate again.
    s.choiceClicked(2, 0);
    EXPECT_EQ(s.row(3).text, "1");
    EXPECT_TRUE(s.acceptEnabled());
    // No spring type: no rate.
    s.choiceClicked(2, -1);
    EXPECT_EQ(s.output(0).value, "");
}

TEST_F(CalcSessionTest, WholeNumberMaximumShowsItsWholePart)
{
    CalcDefinition d;
    d.rows.push_back({ false, "Count", {}, false, 10.001, 1, 1 });
    const std::unique_ptr<CalcSession> s
        = makeCalcSession(CalcMode::GainSpec, d, { layout, settings });
    s->focusEntered(1);
    const CalcFeedback f = s->leaveBox(1, "12");
    ASSERT_EQ(f.messages.size(), 1u);
    EXPECT_EQ(f.messages[0].text, "Count = 12.  Value must be between  1 and  10 .");
    // A number that is no mode opens nothing.
    EXPECT_FALSE(makeCalcSession(CalcMode { 99 }, d, { layout, settings }));
    const CalcOpenResult unknown
        = openCalcWindow(CalcMode { 99 }, TARVIK_SOURCE_DATA_DIR, { layout, settings });
    EXPECT_FALSE(unknown.session);
    EXPECT_EQ(unknown.refusal->text, "There is no calculation number 99 to open.");
}

TEST_F(CalcSessionTest, ArrowKeysMoveTheFocusButNeverChangeAChoice)
{
    CalcSession &s = open(CalcMode::Spring);
    s.focusEntered(2);
    EXPECT_EQ(s.keyPressed(2, CalcKey::Down), CalcFocusMove::Next);
    s.focusEntered(3); // the next field may get the focus before the list reports
    s.choiceClicked(2, 1); // the list's own move to the next item
    EXPECT_EQ(s.row(2).choiceIndex, 0);
    EXPECT_EQ(s.keyPressed(2, CalcKey::Up), CalcFocusMove::Previous);
    s.choiceClicked(2, 3);
    EXPECT_EQ(s.row(2).choiceIndex, 0);
    // A click of the user's own is taken.
    s.focusEntered(2);
    s.choiceClicked(2, 1);
    EXPECT_EQ(s.row(2).choiceIndex, 1);
    EXPECT_EQ(s.keyPressed(3, CalcKey::Enter), CalcFocusMove::Next);
}

TEST_F(CalcSessionTest, ShimOpeningRefusesUnusualGeometry)
{
    EXPECT_FALSE(shimOpenRefusal(layout.record, kSideLeft));
    layout.record.set(kRightUpperFramePivotX, "24"); // right pivot X equal to the ball joint X
    const CalcOpenResult r
        = openCalcWindow(CalcMode::Shim, TARVIK_SOURCE_DATA_DIR, { layout, settings });
    ASSERT_TRUE(r.refusal);
    EXPECT_FALSE(r.session);
    EXPECT_EQ(r.refusal->title, "Unusual Geometry");
    EXPECT_EQ(r.refusal->text.rfind("Shim calculation can not be performed because:\r\r"
                                    "The X dimension for Upper Ball Joint",
                  0),
        0u);
    layout.record.set(
        kLeftUpperBallJointHeight, "5"); // left upper ball joint as low as the lower one
    ASSERT_TRUE(shimOpenRefusal(layout.record, kSideLeft));
    EXPECT_NE(shimOpenRefusal(layout.record, kSideLeft)->text.find("below the Lower Ball Joint"),
        std::string::npos);
}

TEST_F(CalcSessionTest, ShimDirectionAndCustomThickness)
{
    CalcSession &s = open(CalcMode::Shim, kSideLeft);
    EXPECT_EQ(s.caption(), "Shim Calculator - Left Side");
    EXPECT_EQ(s.stepName(), "Shim Left Side"); // Edit > Undo names the write-back
    EXPECT_EQ(open(CalcMode::Shim, kSideRight).stepName(), "Shim Right Side");
    EXPECT_EQ(open(CalcMode::Spring).stepName(), "Spring Rate");
    EXPECT_NE(s.noteText().find("moves the pivot toward the centerline. If your chassis is like"),
        std::string::npos);
    EXPECT_FALSE(s.accept().writeBack); // no shim change chosen

    s.choiceClicked(1, 1); // removed
    EXPECT_EQ(s.output(0).name, "Shim Thickness Removed");
    EXPECT_EQ(s.frameCaption(1), "Shims Removed");
    s.choiceClicked(1, 0);
    s.choiceClicked(2, 1); // standard shims
    s.choiceClicked(3, 2);
    s.choiceClicked(2, 2); // custom: row 3 keeps its choice
    EXPECT_EQ(s.row(3).choiceIndex, 2);
    s.focusEntered(5);
    s.leaveBox(5, ".125");
    const CalcAcceptResult r = acceptWith(s, { CalcAnswer::No });
    ASSERT_EQ(r.outcome, CalcAcceptResult::Outcome::Close);
    EXPECT_EQ(asked, std::vector<std::string> { "Let Camber Change?" });
    EXPECT_FALSE(r.writeBack->camberFollowsEdit);
    EXPECT_EQ(r.writeBack->entries[2],
        (CalcEntryWrite { Entry::coordinate(kSideLeft, kUpperFramePivot, kColumnX), "12.13" }));
    EXPECT_EQ(r.writeBack->shimChoices, (ShimChoices { 0, 2, 2, -1, 0.125 }));
    EXPECT_EQ(r.writeBack->shimSide, kSideLeft);
}

TEST_F(CalcSessionTest, ShimOfZeroAndOutsideLimitsAreNotWritten)
{
    CalcSession &s = open(CalcMode::Shim, kSideLeft, ShimChoices { 0, 2, 0, 0, 0 });
    EXPECT_EQ(s.output(0).value, ".0000");
    CalcAcceptResult r = s.accept({});
    EXPECT_EQ(r.outcome, CalcAcceptResult::Outcome::StayOpen);
    EXPECT_FALSE(r.writeBack); // never the unsolved joint at 0, 0

    s.focusEntered(5);
    s.leaveBox(5, "1");
    s.choiceClicked(2, 1);
    s.choiceClicked(3, 8);
    s.choiceClicked(4, 8); // 1.5 in, over the normal limit of 1
    r = s.accept({});
    ASSERT_EQ(r.outcome, CalcAcceptResult::Outcome::Ask);
    EXPECT_EQ(r.message->buttons, CalcButtons::YesNoCancel);
    EXPECT_EQ(r.message->defaultButton, 1);
    EXPECT_EQ(r.message->text.substr(0, 72),
        "Calculated Shim Thickness is outside normal limit of  0 to  1.  Check yo");
    EXPECT_EQ(acceptWith(s, { CalcAnswer::No }).outcome, CalcAcceptResult::Outcome::StayOpen);
    r = acceptWith(s, { CalcAnswer::Yes });
    EXPECT_EQ(r.outcome, CalcAcceptResult::Outcome::Close);
    EXPECT_FALSE(r.writeBack);
}

TEST_F(CalcSessionTest, SpringLowerArmPrefillAndTheSidesItIsSentTo)
{
    // Each side's own lower arm: right (index 0) entry 7, left entry 23,
    // both the mean when they nearly agree; a typed length is kept.
    CalcSession &s = open(CalcMode::Spring);
    s.choiceClicked(2, 2);
    EXPECT_EQ(s.row(5).caption, "Lower Control Arm, in");
    EXPECT_EQ(s.row(5).text, "");
    s.choiceClicked(1, 1);
    EXPECT_EQ(s.row(5).text, "15.9");
    s.choiceClicked(1, 2);
    EXPECT_EQ(s.row(5).text, "16.0"); // the mean, "####.0"
    s.choiceClicked(1, 0);
    EXPECT_EQ(s.row(5).text, "16");
    s.focusEntered(5);
    s.leaveBox(5, "12");
    s.choiceClicked(1, 1);
    EXPECT_EQ(s.row(5).text, "12");

    s.focusEntered(3);
    s.leaveBox(3, "1");
    s.focusEntered(4);
    s.leaveBox(4, "40");
    const std::pair<int, std::vector<int>> sends[]
        = { { 0, { 35 } }, { 1, { 46 } }, { 2, { 35, 46 } } };
    for (const auto &[side, entries] : sends) {
        s.choiceClicked(1, side);
        const CalcAcceptResult r = s.accept({});
        ASSERT_TRUE(r.writeBack);
        std::vector<int> written;
        for (const CalcEntryWrite &w : r.writeBack->entries) {
            written.push_back(w.entry.number());
            EXPECT_EQ(w.text, s.output(0).value);
        }
        EXPECT_EQ(written, entries);
    }

    // Two different rates are both replaced only when the user says so; a
    // blank "Send Rate To" sends to both as well.
    layout.record.set(springRateEntry(kSideRight), "550");
    layout.record.set(springRateEntry(kSideLeft), "450");
    CalcSession &differ = open(CalcMode::Spring);
    for (const auto &[row, text] : { std::pair { 3, ".5" }, { 4, "3.5" }, { 5, "10" } }) {
        differ.focusEntered(row);
        differ.leaveBox(row, text);
    }
    const CalcAcceptResult question = differ.accept({});
    ASSERT_EQ(question.outcome, CalcAcceptResult::Outcome::Ask);
    EXPECT_EQ(*question.message,
        (CalcMessage { "", "Replace both spring rates (550 right, 450 left) with 134?",
            CalcButtons::YesNo, CalcIcon::Question, 1 }));
    const CalcAcceptResult kept = acceptWith(differ, { CalcAnswer::No });
    EXPECT_EQ(kept.outcome, CalcAcceptResult::Outcome::StayOpen);
    EXPECT_FALSE(kept.writeBack || kept.message);
    EXPECT_EQ(acceptWith(differ, { CalcAnswer::Yes }).writeBack->entries.size(), 2U);
    differ.choiceClicked(1, 1); // one side: nothing to ask
    EXPECT_EQ(differ.accept({}).outcome, CalcAcceptResult::Outcome::Close);
}

TEST_F(CalcSessionTest, GainDefinitionCancelStaysAndStandardKeepsTheTexts)
{
    settings.GainSpecChoice = 1;
    settings.GainDiveText = "2";
    settings.GainRollText = "1.5";
    CalcSession &s = open(CalcMode::GainSpec);
    EXPECT_EQ(s.acceptCaption(), "OK/Exit");
    EXPECT_FALSE(s.output(0).visible);
    EXPECT_NE(s.noteText().find("\r\rIMPORTANT:  Wheel Rates"), std::string::npos);
    EXPECT_EQ(acceptWith(s, { CalcAnswer::Cancel }).outcome, CalcAcceptResult::Outcome::StayOpen);

    s.choiceClicked(1, 0); // standard: the rows go grey but keep their texts
    EXPECT_FALSE(s.row(3).enabled);
    asked.clear();
    const CalcAcceptResult r = acceptWith(s, {});
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(r.writeBack->gainDefinition, (GainDefinition { 0, "2", "1.5" }));
    EXPECT_TRUE(r.writeBack->redraw);
}

// Rows of roll from -30 to 30 need 16 rows even at 4 degrees: the fit stops
// there and accept refuses rather than store a table that cannot be.
TEST_F(CalcSessionTest, TableSpecThatStillDoesNotFitIsRefused)
{
    settings.tableSpec = TableSpec { 1, "-6", "6", 0, "-30", "30", 0 };
    const CalcAcceptResult r = open(CalcMode::TableSpec).accept({});
    EXPECT_EQ(r.outcome, CalcAcceptResult::Outcome::StayOpen);
    ASSERT_TRUE(r.message);
    EXPECT_EQ(r.message->text.rfind(
                  "Roll Increment must be increased to stay within 10 as Max Number of Rows.", 0),
        0u);
}

TEST(CalcPrint, FooterCarriesTheFileAndTheTime)
{
    std::tm afternoon {};
    afternoon.tm_year = 124;
    afternoon.tm_mon = 2;
    afternoon.tm_mday = 7;
    afternoon.tm_hour = 14;
    afternoon.tm_min = 5;
    EXPECT_EQ(calcPrintFooter("WORKED.TK", "Test run", afternoon),
        "Tarvik - Quellmark Inc.\rVehicle File: WORKED.TK          3/7/24 2:05 pm\rTest run");
    std::tm midnight {};
    midnight.tm_year = 100;
    midnight.tm_mon = 11;
    midnight.tm_mday = 31;
    EXPECT_NE(
        calcPrintFooter("UNTITLED", "", midnight).find("12/31/00 12:00 am"), std::string::npos);
}

TEST_F(CalcSessionTest, MetricLayoutsCalculateInInchesAndWriteBackMillimetres)
{
    // The worked example in millimetres: the shim move writes millimetres,
    // the spring rate is sent in newtons per millimetre, and the lower arm
    // prefilled into the inch row is in inches.
    layout.record = convertRecord(layout.record, true);
    layout.units = Units::Metric;
    settings.camberFollowsEdits = true;
    CalcSession &shim = open(CalcMode::Shim, kSideLeft, ShimChoices { 0, 1, 2, 0, 0 });
    EXPECT_EQ(shim.output(0).value, "3.1750"); // two 1/16 in shims
    const CalcAcceptResult moved = acceptWith(shim, {});
    ASSERT_EQ(moved.outcome, CalcAcceptResult::Outcome::Close)
        << (moved.message ? moved.message->text : std::string());
    EXPECT_EQ(moved.writeBack->entries[2].text, "307.97"); // (12 + .125) in
    EXPECT_NEAR(std::stod(moved.writeBack->entries[0].text), 612.7, 0.5); // out by .12 in

    CalcSession &spring = open(CalcMode::Spring);
    spring.choiceClicked(2, 2);
    spring.choiceClicked(1, 0);
    EXPECT_EQ(spring.row(5).text, "16");
    spring.choiceClicked(2, 0);
    for (const auto &[row, text] : { std::pair { 3, ".5" }, { 4, "3.5" }, { 5, "10" } }) {
        spring.focusEntered(row);
        spring.leaveBox(row, text);
    }
    EXPECT_EQ(spring.output(0).value, "23.5"); // 134.3 lb/in
}
