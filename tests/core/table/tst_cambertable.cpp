// The camber sweep against the linear stand-in engine (right camber = 10 x
// dive + roll, left = -(right)). The grids' headers and the real engine's
// cells are pinned by the golden table cases; here: what the engine is
// asked, the refusal, the warning counts and the baseline rows.
#include "core/table/cambertable.h"
#include "support/namedentries.h"
#include "tablefakes.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace tarvik;

namespace {

using Texts = std::vector<std::string>;

// The linear stand-in, checking what it is asked and flagging deep dives.
struct FakeEngine
{
    std::vector<std::pair<std::string, std::string>> seen; // dive, roll texts per call
    double problemDiveAbove = 1e9; // cells with more dive than this cannot be closed
    bool warnOnProblem = true;

    EngineOutput operator()(const EngineInput &in)
    {
        EXPECT_TRUE(in.applyDiveRoll);
        EXPECT_FALSE(in.withScene || in.withCaptions);
        EXPECT_EQ(in.entries[kRightUpperBallJointX], "24"); // the layout's own texts are passed on
        seen.emplace_back(in.entries[Entry::dive()], in.entries[Entry::roll()]);
        EngineOutput out = test::linearEngine(in);
        out.layoutProblem = std::stod(in.entries[Entry::dive()]) > problemDiveAbove;
        out.showGeometryWarning = out.layoutProblem && warnOnProblem;
        return out;
    }
};

CamberTable sweep(const TableSpec &spec, FakeEngine &engine, const BaselineState &baseline = {},
    const CellObserver &observer = {})
{
    EngineInput in;
    in.entries[kRightUpperBallJointX] = "24";
    in.entries[Entry::dive()] = "1"; // what the main window shows; the sweep must not care
    in.entries[Entry::roll()] = "2";
    return fillCamberTable(spec, in, baseline, std::ref(engine), observer);
}

// Dive 0 to 1 and roll 0 to 2: a two-by-two table.
const TableSpec kSmall { 0, "0", "1", 1, "0", "2", 1 };

} // namespace

TEST(CamberTable, OneEngineCallPerCellWithTheCellsTexts)
{
    FakeEngine engine;
    CamberTable t = sweep(standardTableSpec(), engine);
    ASSERT_TRUE(t.refusal.empty());
    EXPECT_EQ(t.columnCaption, "Roll, degrees");
    EXPECT_EQ(t.headerColumnTwips, 1000);
    ASSERT_EQ(engine.seen.size(), 25u);
    // Rows outer, columns inner; dive -2, roll -4: right -24, left 24.
    EXPECT_EQ(engine.seen[1], std::make_pair(std::string("-2"), std::string("-2")));
    EXPECT_EQ(engine.seen.back(), std::make_pair(std::string("2"), std::string("4")));
    EXPECT_EQ(t.grids[kSideRight][1][1], "-24.00");
    EXPECT_EQ(t.grids[kSideLeft][1][1], "24.00");
    EXPECT_EQ(t.grids[kSideLeft][3][3], ".00");

    // Rows of roll: the dive is the column, sent in the number text form.
    engine.seen.clear();
    t = sweep({ 1, "-1", "1", 2, "-2", "2", 1 }, engine);
    EXPECT_EQ(t.columnCaption, "Dive, inches");
    EXPECT_EQ(t.dataRows * 10 + t.dataColumns, 35);
    EXPECT_EQ(engine.seen[1], std::make_pair(std::string("-.5"), std::string("-2")));
    EXPECT_EQ(t.grids[kSideRight][3][2], "-3.00"); // roll 2, dive -.5
}

TEST(CamberTable, OversizedSpecIsRefusedBeforeAnyCell)
{
    FakeEngine engine;
    const CamberTable t = sweep({ 0, "-5", "5", 3, "-4", "4", 1 }, engine);
    EXPECT_EQ(
        t.refusal, "Dive Increment must be increased to stay within 10 as Max Number of Rows.");
    EXPECT_TRUE(engine.seen.empty());
    EXPECT_TRUE(t.grids[kSideRight].empty());
}

TEST(CamberTable, GeometryWarningIsCountedOncePerSweep)
{
    FakeEngine engine;
    engine.problemDiveAbove = 0.5; // dive rows 1 and 2 cannot be closed: 10 cells
    CamberTable t = sweep(standardTableSpec(), engine);
    EXPECT_EQ(t.problemCells, 10);
    EXPECT_EQ(t.warningCells, 10);
    EXPECT_EQ(t.grids[kSideRight][5][3], "20.00"); // flagged cells still get their camber

    engine.warnOnProblem = false; // e.g. a blank watched box: flag set, no warning asked
    t = sweep(standardTableSpec(), engine);
    EXPECT_EQ(t.problemCells, 10);
    EXPECT_EQ(t.warningCells, 0);
}

TEST(CamberTable, ShownBaselineAddsBaseAndDifferenceRows)
{
    FakeEngine engine;
    BaselineState base;
    base.BaselineSpec = kSmall;
    base.ShowBaseline = 1;
    base.BaselineData[kSideRight][0] = { "1.23", "-3.00" };
    base.BaselineData[kSideLeft][1] = { "", "oops" }; // texts without a leading number count as 0
    std::vector<std::pair<int, int>> cells;
    const CamberTable t = sweep(
        kSmall, engine, base, [&cells](int row, int column) { cells.emplace_back(row, column); });
    ASSERT_TRUE(t.baselineShown);
    EXPECT_TRUE(t.baselineMismatch.empty());
    EXPECT_EQ(t.headerColumnTwips, 1300);
    // The observer sees each "(new)" cell, in sweep order.
    EXPECT_EQ(cells, (std::vector<std::pair<int, int>> { { 1, 1 }, { 1, 2 }, { 4, 1 }, { 4, 2 } }));
    const TableGrid &right = t.grids[kSideRight];
    ASSERT_EQ(right.size(), 7u);
    // Dive 0: new 0 and 2, base texts kept as stored, differences from the texts.
    EXPECT_EQ(right[1], (Texts { ".00 (new)", ".00", "2.00" }));
    EXPECT_EQ(right[2], (Texts { ".00 (base)", "1.23", "-3.00" }));
    EXPECT_EQ(right[3], (Texts { "Difference", "-1.23", "5.00" }));
    const TableGrid &left = t.grids[kSideLeft];
    EXPECT_EQ(left[5], (Texts { "1.00 (base)", "", "oops" }));
    EXPECT_EQ(left[6], (Texts { "Difference", "-10.00", "-12.00" }));
}

TEST(CamberTable, MismatchedBaselineIsHiddenWithTheMessage)
{
    FakeEngine engine;
    BaselineState base;
    base.ShowBaseline = 1;
    base.BaselineIsSaved = 1;
    base.BaselineSpec.RollIncIndex = 2; // the table uses 1
    const CamberTable t = sweep(standardTableSpec(), engine, base);
    EXPECT_FALSE(t.baselineShown);
    EXPECT_EQ(t.baselineMismatch, baselineMismatchMessage(base));
    EXPECT_EQ(t.grids[kSideRight].size(), 6u);

    base.ShowBaseline = 0; // hidden baseline: no check, no message
    EXPECT_TRUE(sweep(standardTableSpec(), engine, base).baselineMismatch.empty());
}
