// The table window's session and "Baseline" menu, driven with scripted
// answers and a sweep whose right camber is (layout version) + 10 x dive + roll.
#include "core/table/baselinemenu.h"
#include "core/table/cambertablesession.h"
#include "tablefakes.h"

#include <gtest/gtest.h>
#include <string>

using namespace tarvik;

namespace {

struct Fixture
{
    TableSpec spec = standardTableSpec(); // 5 x 5
    BaselineState baseline;
    test::ScriptedDialogs dialogs;
    double version = 0; // stands for the layout the main window holds
    int sweeps = 0;
    CamberTableSession session { spec, baseline,
        [this](const TableSpec &s, const BaselineState &b) {
            ++sweeps;
            return fillCamberTable(s, EngineInput {}, b,
                [this](const EngineInput &in) { return test::linearEngine(in, version); });
        },
        dialogs };
    BaselineMenu menu { session };

    void run(BaselineItem item) { dialogs.run(menu, item, baseline); }

    const std::string &cell(int row, int column) const
    {
        return session.table()
            .grids[kSideRight][static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
};

} // namespace

TEST(TableSession, ActivationRefillsOnRequestOrChangedSpec)
{
    Fixture f;
    EXPECT_TRUE(f.session.refillDueOnActivation()); // a new window holds no spec copy yet
    f.session.fill();
    EXPECT_FALSE(f.session.refillDueOnActivation());
    f.session.requestRefill(); // "Table & Graph"
    EXPECT_TRUE(f.session.refillDueOnActivation());
    f.session.fill();
    f.spec.RollIncIndex = 2; // changed through the table-spec window
    EXPECT_TRUE(f.session.refillDueOnActivation());
}

// The window's tests follow a baseline across closes, reopens and saves;
// here: the edges of when a close gives its table away.
TEST(TableSession, PreviousTableBecomesBaselineOnClose)
{
    Fixture f;
    f.baseline.BaselineSpec = f.spec;
    const BaselineState untouched = f.baseline;
    f.session.unload(); // never filled: nothing to give
    EXPECT_EQ(f.baseline, untouched);
    f.session.fill();
    f.session.unload();
    EXPECT_EQ(f.baseline.cell(kSideRight, 0, 0), "-24.00");

    // Shown, then a changed spec: hidden with the message, before the sweep.
    f.run(BaselineItem::ShowBaselineData);
    f.spec.RollIncIndex = 2;
    f.session.fill();
    EXPECT_EQ(f.dialogs.log,
        (std::vector<std::string> { "note:" + baselineMismatchMessage(f.baseline) }));
    EXPECT_EQ(f.baseline.ShowBaseline, 0);
    EXPECT_FALSE(f.session.table().baselineShown);
    EXPECT_EQ(f.session.menuCaption(), "Baseline (hide previous results)");

    // In saved mode closing changes nothing.
    f.baseline.BaselineIsSaved = 1;
    const BaselineState before = f.baseline;
    f.session.unload();
    EXPECT_EQ(f.baseline, before);
}

TEST(BaselineMenu, CancelledNewSavedBaselineKeepsWhatWasStored)
{
    Fixture f;
    f.session.fill();
    f.baseline.BaselineIsSaved = 1;
    f.baseline.BaselineComment = "old";
    f.baseline.BaselineData[kSideLeft][9][10] = "7.00";
    const BaselineState before = f.baseline;
    f.dialogs.yesNo = { true }; // "Save New Baseline?"
    f.dialogs.texts = { std::nullopt };
    f.run(BaselineItem::SavedTableIsBaseline);
    EXPECT_EQ(f.baseline, before);
    EXPECT_EQ(f.dialogs.log,
        (std::vector<std::string> { "ask:Save New Baseline?", "note:" + saveBaselineNote(before),
            "Baseline Comment:old" }));
}

// Saving a baseline asks at most two questions in a row; the note stays.
TEST(BaselineMenu, SavedModeAsksAtMostTwoQuestions)
{
    Fixture f;
    f.session.fill();
    const std::string note = "note:The current Table's data will be saved as a Baseline.";
    // The first step is the note and the comment input; an OK that empties
    // the comment goes on to the show question, with no note in between.
    EXPECT_EQ(f.menu.next(BaselineItem::SavedTableIsBaseline, {}),
        (BaselineStep { { note.substr(5) },
            TableQuestion {
                TableQuestion::Kind::Text, kBaselineCommentTitle, kBaselineCommentPrompt, "" } }));
    EXPECT_EQ(f.menu.next(BaselineItem::SavedTableIsBaseline, { TableAnswer::typed("") }),
        (BaselineStep { {},
            TableQuestion {
                TableQuestion::Kind::YesNo, kShowBaselineTitle, showBaselineQuestion(), "" } }));
    f.dialogs.texts = { std::string("") };
    f.dialogs.yesNo = { false };
    f.run(BaselineItem::SavedTableIsBaseline);
    EXPECT_EQ(f.dialogs.log,
        (std::vector<std::string> { note, "Baseline Comment:", "ask:Show Baseline Data?" }));
    EXPECT_EQ(f.baseline.BaselineIsSaved, 1);
    EXPECT_EQ(f.baseline.BaselineSpec, f.spec);

    // Already saved: "Save New Baseline?" and the comment, no show question.
    f.dialogs.log.clear();
    f.dialogs.yesNo = { true };
    f.dialogs.texts = { std::string("again") };
    f.run(BaselineItem::SavedTableIsBaseline);
    EXPECT_EQ(f.dialogs.log,
        (std::vector<std::string> { "ask:Save New Baseline?", note, "Baseline Comment:" }));
    EXPECT_EQ(f.baseline.BaselineComment, "again");
    EXPECT_EQ(f.baseline.ShowBaseline, 0);

    // A No to "Save New Baseline?" stops the item.
    f.dialogs.log.clear();
    f.dialogs.yesNo = { false };
    f.run(BaselineItem::SavedTableIsBaseline);
    EXPECT_EQ(f.dialogs.log, (std::vector<std::string> { "ask:Save New Baseline?" }));
}

TEST(BaselineMenu, PreviousModeFromSavedCopiesWithoutRefill)
{
    Fixture f;
    f.session.fill();
    f.baseline.BaselineIsSaved = 1;
    f.baseline.BaselineData[kSideRight][0][0] = "saved";
    f.dialogs.yesNo = { false };
    f.run(BaselineItem::PreviousTableIsBaseline); // No: stop
    EXPECT_EQ(f.baseline.BaselineIsSaved, 1);

    f.dialogs.log.clear();
    f.dialogs.yesNo = { true, false };
    f.run(BaselineItem::PreviousTableIsBaseline);
    EXPECT_EQ(f.dialogs.log,
        (std::vector<std::string> { "ask:Abandon Saved Baseline?", "ask:Show Baseline Data?" }));
    EXPECT_EQ(f.baseline.BaselineIsSaved, 0);
    EXPECT_EQ(f.baseline.cell(kSideRight, 0, 0), "-24.00");
    EXPECT_EQ(f.sweeps, 1);
    EXPECT_EQ(f.menu.checks(), (BaselineMenuChecks { false, true, true, false }));

    f.dialogs.log.clear();
    f.dialogs.yesNo = { true };
    f.run(BaselineItem::PreviousTableIsBaseline);
    EXPECT_EQ(f.dialogs.log.front(), std::string("note:") + kAlreadyPreviousMode);
    EXPECT_EQ(f.baseline.ShowBaseline, 1);
    EXPECT_TRUE(f.session.table().baselineShown);
    EXPECT_EQ(f.menu.checks(), (BaselineMenuChecks { true, false, true, false }));
}
