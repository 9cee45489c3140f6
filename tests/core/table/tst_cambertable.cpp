// The camber sweep against a stand-in engine whose camber is a known
// function of the dive and roll texts it receives, so every cell can be
// checked by hand: right camber = 10 x dive + roll, left = -(right).
#include "core/layout/specrecord.h"
#include "core/table/cambertable.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace tarvik;

namespace {

struct FakeEngine
{
    int calls = 0;
    std::vector<std::pair<std::string, std::string>> seen; // dive, roll texts per call
    double problemDiveAbove = 1e9; // cells with more dive than this cannot be closed
    bool warnOnProblem = true;

    EngineOutput operator()(const EngineInput &in)
    {
        ++calls;
        EXPECT_EQ(in.applyDiveRoll, 1);
        EXPECT_FALSE(in.withScene);
        EXPECT_FALSE(in.withCaptions);
        EXPECT_EQ(in.entries[0], "24"); // the layout's own texts are passed on
        const std::string &dive = in.entries[kDiveEntry];
        const std::string &roll = in.entries[kRollEntry];
        seen.emplace_back(dive, roll);
        const double d = std::strtod(dive.c_str(), nullptr);
        const double r = std::strtod(roll.c_str(), nullptr);
        EngineOutput out;
        out.camber[kRight] = 10 * d + r;
        out.camber[kLeft] = -(10 * d + r);
        out.layoutProblem = d > problemDiveAbove;
        out.showGeometryWarning = out.layoutProblem && warnOnProblem;
        return out;
    }
};

EngineInput layout()
{
    EngineInput in;
    in.entries[0] = "24";
    in.entries[kDiveEntry] = "1"; // what the main window shows; the sweep must not care
    in.entries[kRollEntry] = "2";
    return in;
}

CamberTable sweep(const TableSpec &spec, FakeEngine &engine, const BaselineState &baseline = {})
{
    return fillCamberTable(spec, layout(), baseline, std::ref(engine));
}

// Dive 0 to 1 and roll 0 to 2: a two-by-two table.
TableSpec smallSpec()
{
    TableSpec spec = standardTableSpec();
    spec.DiveFrom = "0";
    spec.DiveTo = "1";
    spec.RollFrom = "0";
    spec.RollTo = "2";
    return spec;
}

std::vector<std::string> column0(const TableGrid &grid)
{
    std::vector<std::string> out;
    for (const auto &row : grid) {
        out.push_back(row[0]);
    }
    return out;
}

} // namespace

TEST(CamberTable, DefaultSpecGivesDiveRowsAndRollColumns)
{
    FakeEngine engine;
    const CamberTable t = sweep(standardTableSpec(), engine);
    ASSERT_TRUE(t.refusal.empty());
    EXPECT_EQ(t.RowsAreRoll, 0);
    EXPECT_EQ(t.columnCaption, "Roll, degrees");
    EXPECT_EQ(t.headerColumnTwips, 1000);
    EXPECT_EQ(t.dataRows, 5);
    EXPECT_EQ(t.dataColumns, 5);
    EXPECT_EQ(engine.calls, 25); // one engine call per cell, not per grid
    for (const TableGrid &grid : t.grids) {
        ASSERT_EQ(grid.size(), 6u);
        EXPECT_EQ(grid[0],
            (std::vector<std::string> { "Dive, inches", "-4.00", "-2.00", ".00", "2.00", "4.00" }));
        EXPECT_EQ(column0(grid),
            (std::vector<std::string> { "Dive, inches", "-2.00", "-1.00", ".00", "1.00", "2.00" }));
    }
    // Dive -2, roll -4: right -24, left 24. Dive 0, roll 2: right 2.
    EXPECT_EQ(t.grids[kRight][1][1], "-24.00");
    EXPECT_EQ(t.grids[kLeft][1][1], "24.00");
    EXPECT_EQ(t.grids[kRight][3][4], "2.00");
    EXPECT_EQ(t.grids[kLeft][3][3], ".00");
    // Sweep order: rows outer, columns inner; texts in the number text form.
    EXPECT_EQ(engine.seen.front(), std::make_pair(std::string("-2"), std::string("-4")));
    EXPECT_EQ(engine.seen[1], std::make_pair(std::string("-2"), std::string("-2")));
    EXPECT_EQ(engine.seen.back(), std::make_pair(std::string("2"), std::string("4")));
    EXPECT_EQ(t.warningCells, 0);
    EXPECT_EQ(t.problemCells, 0);
}

TEST(CamberTable, RowsAreRollSwapsAxesAndCaptions)
{
    FakeEngine engine;
    TableSpec spec = standardTableSpec();
    spec.RowsAreRoll = 1;
    spec.RollFrom = "-2";
    spec.RollTo = "2";
    spec.DiveFrom = "-1";
    spec.DiveTo = "1";
    spec.DiveIncIndex = 2;
    const CamberTable t = sweep(spec, engine);
    EXPECT_EQ(t.RowsAreRoll, 1);
    EXPECT_EQ(t.columnCaption, "Dive, inches");
    EXPECT_EQ(t.dataRows, 3);
    EXPECT_EQ(t.dataColumns, 5);
    const TableGrid &right = t.grids[kRight];
    EXPECT_EQ(right[0],
        (std::vector<std::string> { "Roll, deg", "-1.00", "-.50", ".00", ".50", "1.00" }));
    EXPECT_EQ(column0(right), (std::vector<std::string> { "Roll, deg", "-2.00", ".00", "2.00" }));
    // Row roll 2, column dive -.5: 10 * -.5 + 2 = -3.
    EXPECT_EQ(right[3][2], "-3.00");
    EXPECT_EQ(engine.seen[1], std::make_pair(std::string("-.5"), std::string("-2")));
}

TEST(CamberTable, DownwardAndUnevenRanges)
{
    FakeEngine engine;
    TableSpec spec = standardTableSpec();
    spec.DiveFrom = "2";
    spec.DiveTo = "-2";
    spec.RollFrom = "-1";
    spec.RollTo = "1.7";
    spec.RollIncIndex = 3;
    const CamberTable t = sweep(spec, engine);
    EXPECT_EQ(column0(t.grids[kLeft]),
        (std::vector<std::string> { "Dive, inches", "2.00", "1.00", ".00", "-1.00", "-2.00" }));
    // -1 to 1.7 by .5 stops at 1.5, the last value not beyond 1.7.
    EXPECT_EQ(t.grids[kRight][0],
        (std::vector<std::string> {
            "Dive, inches", "-1.00", "-.50", ".00", ".50", "1.00", "1.50" }));
    EXPECT_EQ(t.grids[kRight][1][6], "21.50");
    EXPECT_EQ(engine.calls, 30);
}

TEST(CamberTable, OversizedSpecIsRefusedBeforeAnyCell)
{
    FakeEngine engine;
    TableSpec spec = standardTableSpec();
    spec.DiveFrom = "-5";
    spec.DiveTo = "5";
    spec.DiveIncIndex = 3;
    const CamberTable t = sweep(spec, engine);
    EXPECT_EQ(
        t.refusal, "Dive Increment must be increased to stay within 10 as Max Number of Rows.");
    EXPECT_EQ(engine.calls, 0);
    EXPECT_TRUE(t.grids[kRight].empty());
}

TEST(CamberTable, GeometryWarningIsCountedOncePerSweep)
{
    FakeEngine engine;
    engine.problemDiveAbove = 0.5; // dive rows 1 and 2 cannot be closed: 10 cells
    CamberTable t = sweep(standardTableSpec(), engine);
    EXPECT_EQ(t.problemCells, 10);
    EXPECT_EQ(t.warningCells, 10);
    // The flagged cells still get the camber the engine returned.
    EXPECT_EQ(t.grids[kRight][5][3], "20.00");

    FakeEngine quiet;
    quiet.problemDiveAbove = 0.5;
    quiet.warnOnProblem = false; // e.g. a blank watched box: flag set, no warning asked
    t = sweep(standardTableSpec(), quiet);
    EXPECT_EQ(t.problemCells, 10);
    EXPECT_EQ(t.warningCells, 0);
}

TEST(CamberTable, ShownBaselineAddsBaseAndDifferenceRows)
{
    FakeEngine engine;
    const TableSpec spec = smallSpec();
    BaselineState base;
    base.BaselineSpec = spec;
    base.ShowBaseline = 1;
    base.BaselineData[kRight][0] = { "1.23", "-3.00" };
    base.BaselineData[kLeft][1]
        = { "", "oops" }; // texts that do not start with a number count as 0
    const CamberTable t = sweep(spec, engine, base);
    ASSERT_TRUE(t.baselineShown);
    EXPECT_TRUE(t.baselineMismatch.empty());
    EXPECT_EQ(t.headerColumnTwips, 1300);
    const TableGrid &right = t.grids[kRight];
    ASSERT_EQ(right.size(), 7u); // 3n + 1
    EXPECT_EQ(column0(right),
        (std::vector<std::string> { "Dive, inches", ".00 (new)", ".00 (base)", "Difference",
            "1.00 (new)", "1.00 (base)", "Difference" }));
    // Dive 0: new 0 and 2, base texts kept as stored, differences from the texts.
    EXPECT_EQ(right[1][1], ".00");
    EXPECT_EQ(right[2][1], "1.23");
    EXPECT_EQ(right[3][1], "-1.23");
    EXPECT_EQ(right[2][2], "-3.00");
    EXPECT_EQ(right[3][2], "5.00");
    const TableGrid &left = t.grids[kLeft];
    EXPECT_EQ(left[5][1], ""); // empty base cell
    EXPECT_EQ(left[6][1], "-10.00");
    EXPECT_EQ(left[5][2], "oops");
    EXPECT_EQ(left[6][2], "-12.00");
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
    EXPECT_EQ(t.grids[kRight].size(), 6u);
    EXPECT_EQ(t.grids[kRight][1][0], "-2.00");

    base.ShowBaseline = 0; // hidden baseline: no check, no message
    EXPECT_TRUE(sweep(standardTableSpec(), engine, base).baselineMismatch.empty());
}

TEST(CamberTable, ObserverSeesEveryCellInOrder)
{
    FakeEngine engine;
    const TableSpec spec = smallSpec();
    BaselineState base;
    base.BaselineSpec = spec;
    base.ShowBaseline = 1;
    std::vector<std::pair<int, int>> cells;
    fillCamberTable(spec, layout(), base, std::ref(engine),
        [&](int row, int column) { cells.emplace_back(row, column); });
    const std::vector<std::pair<int, int>> expected { { 1, 1 }, { 1, 2 }, { 4, 1 }, { 4, 2 } };
    EXPECT_EQ(cells, expected);
}
