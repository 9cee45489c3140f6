// The table window's session and "Baseline" menu, driven with scripted
// answers and a sweep whose right camber is (layout version) + 10 x dive + roll.
#include "core/layout/specrecord.h"
#include "core/table/baselinemenu.h"
#include "core/table/cambertablesession.h"
#include "core/table/tabledialogs.h"

#include <deque>
#include <gtest/gtest.h>
#include <string>

using namespace tarvik;

namespace {

// Replays answers in order and logs "note:" + text, "ask:" + title and
// title + ":" + default text; an unscripted question fails the test.
class ScriptedDialogs : public TableDialogs
{
public:
    std::deque<bool> yesNo;
    std::deque<std::optional<std::string>> texts;
    std::vector<std::string> log;

    void note(const std::string &text) override { log.push_back("note:" + text); }
    bool askYesNo(const std::string &title, const std::string &) override
    {
        log.push_back("ask:" + title);
        return next(yesNo, false);
    }
    std::optional<std::string> askText(
        const std::string &title, const std::string &, const std::string &defaultText) override
    {
        log.push_back(title + ":" + defaultText);
        return next(texts, std::optional<std::string>());
    }

private:
    template <typename T> static T next(std::deque<T> &answers, T fallback)
    {
        if (answers.empty()) {
            ADD_FAILURE() << "unscripted question";
            return fallback;
        }
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

struct Fixture
{
    TableSpec spec = standardTableSpec(); // 5 x 5
    BaselineState baseline;
    ScriptedDialogs dialogs;
    double version = 0; // stands for the layout the main window holds
    int sweeps = 0;
    CamberTableSession session { spec, baseline,
        [this](const TableSpec &s, const BaselineState &b) {
            ++sweeps;
            return fillCamberTable(s, EngineInput {}, b, [this](const EngineInput &in) {
                EngineOutput out;
                out.camber[kRight] = version + 10 * std::stod(in.entries[kDiveEntry])
                    + std::stod(in.entries[kRollEntry]);
                return out;
            });
        },
        dialogs };
    BaselineMenu menu { session };

    const std::string &cell(int row, int column) const
    {
        return session.table()
            .grids[kRight][static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
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

TEST(TableSession, PreviousTableBecomesBaselineOnClose)
{
    Fixture f;
    f.baseline.BaselineSpec = f.spec;
    const BaselineState untouched = f.baseline;
    f.session.unload(); // never filled: nothing to give
    EXPECT_EQ(f.baseline, untouched);
    f.session.fill();
    f.session.unload();
    EXPECT_EQ(f.baseline.BaselineSpec, f.spec);
    EXPECT_EQ(f.baseline.cell(kRight, 0, 0), "-24.00");

    // The layout changes; the table is opened again and the baseline shown.
    f.version = 1;
    f.menu.showBaselineData();
    EXPECT_EQ(f.session.menuCaption(), "Baseline (show previous results)");
    EXPECT_EQ(f.cell(1, 1), "-23.00");
    EXPECT_EQ(f.cell(2, 1), "-24.00");
    EXPECT_EQ(f.cell(3, 1), "1.00");

    // A changed spec hides the baseline with the message, before the sweep.
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

TEST(BaselineMenu, SaveWhileShownRepeatsNewRowsAsBase)
{
    Fixture f;
    f.baseline.BaselineSpec = f.spec;
    f.menu.showBaselineData();
    f.dialogs.texts = { std::string("stock bars") };
    f.version = 0.004; // new rows print as before; differences stay below a hundredth
    f.session.fill();
    EXPECT_TRUE(f.menu.saveThisDataAsBaseline());
    EXPECT_EQ(f.dialogs.log,
        (std::vector<std::string> {
            "note:The current Table's '(new)' data will be saved as a Baseline.",
            "Baseline Comment:" }));
    EXPECT_EQ(f.baseline.BaselineComment, "stock bars");
    EXPECT_EQ(f.baseline.BaselineIsSaved, 1);
    EXPECT_EQ(f.session.menuCaption(), "Baseline (show saved results)");
    EXPECT_EQ(f.cell(14, 5), f.cell(13, 5)); // the base row repeats the new row
    EXPECT_EQ(f.cell(15, 5), ".00");
}

TEST(BaselineMenu, CancelledInputsKeepWhatWasStored)
{
    Fixture f;
    f.session.fill();
    f.baseline.BaselineComment = "old";
    f.baseline.BaselineData[kLeft][9][10] = "7.00";
    const BaselineState before = f.baseline;
    f.dialogs.texts = { std::nullopt };
    f.menu.savedTableIsBaseline(); // from previous mode: runs the save, which is cancelled
    EXPECT_EQ(f.baseline, before);
    EXPECT_EQ(
        f.dialogs.log.back(), "Baseline Comment:old"); // and no show-baseline question after it

    f.baseline.BaselineIsSaved = 1;
    f.dialogs.yesNo = { true };
    f.dialogs.texts = { std::nullopt };
    f.menu.savedTableIsBaseline();
    EXPECT_EQ(f.baseline.BaselineComment, "old");
    EXPECT_EQ(f.baseline.BaselineData, before.BaselineData);

    // "Baseline Comment": Cancel keeps the comment, an empty OK empties it.
    f.dialogs.texts = { std::nullopt, std::string("") };
    f.menu.baselineComment();
    EXPECT_EQ(f.baseline.BaselineComment, "old");
    f.menu.baselineComment();
    EXPECT_EQ(f.baseline.BaselineComment, "");
    f.baseline.BaselineIsSaved = 0;
    f.dialogs.log.clear();
    f.menu.baselineComment(); // previous mode: the explanation only
    EXPECT_EQ(
        f.dialogs.log, (std::vector<std::string> { std::string("note:") + kCommentOnlyWhenSaved }));
}

TEST(BaselineMenu, SavedModeAsksTheShowQuestionTwiceAfterNo)
{
    Fixture f;
    f.session.fill();
    f.dialogs.texts = { std::string("") };
    f.dialogs.yesNo = { false, false };
    f.menu.savedTableIsBaseline();
    EXPECT_EQ(f.dialogs.log,
        (std::vector<std::string> { "note:The current Table's data will be saved as a Baseline.",
            "Baseline Comment:", "ask:Show Baseline Data?", "ask:Show Baseline Data?" }));
    EXPECT_EQ(f.baseline.BaselineIsSaved, 1);
    EXPECT_EQ(f.baseline.BaselineSpec, f.spec);

    // Already saved: a No to "Save New Baseline?" stops the item.
    f.dialogs.log.clear();
    f.dialogs.yesNo = { false };
    f.menu.savedTableIsBaseline();
    EXPECT_EQ(f.dialogs.log, (std::vector<std::string> { "ask:Save New Baseline?" }));
}

TEST(BaselineMenu, PreviousModeFromSavedCopiesWithoutRefill)
{
    Fixture f;
    f.session.fill();
    f.baseline.BaselineIsSaved = 1;
    f.baseline.BaselineData[kRight][0][0] = "saved";
    f.dialogs.yesNo = { false };
    f.menu.previousTableIsBaseline(); // No: stop
    EXPECT_EQ(f.baseline.BaselineIsSaved, 1);

    f.dialogs.log.clear();
    f.dialogs.yesNo = { true, false };
    f.menu.previousTableIsBaseline();
    EXPECT_EQ(f.dialogs.log,
        (std::vector<std::string> { "ask:Abandon Saved Baseline?", "ask:Show Baseline Data?" }));
    EXPECT_EQ(f.baseline.BaselineIsSaved, 0);
    EXPECT_EQ(f.baseline.cell(kRight, 0, 0), "-24.00");
    EXPECT_EQ(f.sweeps, 1);
    EXPECT_EQ(f.menu.checks(), (BaselineMenuChecks { false, true, true, false }));

    f.dialogs.log.clear();
    f.dialogs.yesNo = { true };
    f.menu.previousTableIsBaseline();
    EXPECT_EQ(f.dialogs.log.front(), std::string("note:") + kAlreadyPreviousMode);
    EXPECT_EQ(f.baseline.ShowBaseline, 1);
    EXPECT_TRUE(f.session.table().baselineShown);
    EXPECT_EQ(f.menu.checks(), (BaselineMenuChecks { true, false, true, false }));
}
