// Graph data from the camber table: selection widening, the 12-series limit,
// legends, titles, point padding, and the options window's label rule. Tables
// come from the real sweep with the linear stand-in engine (right camber =
// 10 x dive + roll, left = -(right)); every base cell reads "1.00".
#include "core/table/graphdata.h"
#include "core/table/heatscale.h"
#include "core/table/measuredrows.h"
#include "tablefakes.h"

#include <gtest/gtest.h>
#include <string>

using namespace tarvik;

namespace {

// Dive 0 .. rows-1 by 1 inch down the rows, roll 0, 2, 4, ... across.
CamberTable table(int rows, int columns, bool shown)
{
    const TableSpec spec { 0, "0", std::to_string(rows - 1), 1, "0",
        std::to_string(2 * (columns - 1)), 1 };
    return fillCamberTable(spec, EngineInput {}, test::filledBaseline(spec, "1.00", shown),
        [](const EngineInput &in) { return test::linearEngine(in); });
}

} // namespace

TEST(GraphData, DifferenceRowSelectsItsWholeGroup)
{
    EXPECT_EQ(
        extendGridSelection(table(3, 3, true), { 2, 4, 1, 3 }), (GridSelection { 1, 6, 1, 3 }));
    EXPECT_EQ(
        extendGridSelection(table(3, 3, false), { 2, 2, 1, 2 }), (GridSelection { 2, 2, 1, 2 }));
}

// The window's graph tests pin the legends, padding and messages of each
// selection shape; here: which rows the limit keeps and which cells the
// points read.
TEST(GraphData, LimitKeepsTheFirstRowsAndPointsReadTheirCells)
{
    int flag = 0;
    GraphData g = loadGraphFromTable(table(10, 3, false), { 2, 10, 1, 3 }, {}, flag);
    ASSERT_EQ(g.series.size(), 12u);
    EXPECT_EQ(g.series[5].legend, "Rt, dive, in = 6.00");
    EXPECT_EQ(g.series[6].legend, "Lt, dive, in = 1.00");
    EXPECT_EQ(g.limitMessage, kGraphLimitRows);
    EXPECT_EQ(flag, 1);

    g = loadGraphFromTable(table(3, 3, false), { 3, 3, 2, 3 }, {}, flag);
    EXPECT_DOUBLE_EQ(g.series[0].points[1].x, 4);
    EXPECT_DOUBLE_EQ(g.series[0].points[1].y, 24); // dive 2, roll 4
    EXPECT_DOUBLE_EQ(g.series[1].points[0].y, -22);
    // Base cells read as their texts; padded points repeat the last real one.
    g = loadGraphFromTable(table(3, 3, true), { 5, 5, 1, 3 }, {}, flag);
    ASSERT_EQ(g.pointCount, 4);
    EXPECT_EQ(g.series[1].legend, "Rt, dive, in = 1.00 (base)");
    EXPECT_DOUBLE_EQ(g.series[1].points[2].y, 1);
    EXPECT_DOUBLE_EQ(g.series[2].points[3].y, -14);
}

TEST(GraphData, RowsOfRollNameTheDiveAxis)
{
    CamberTable rowsRoll = table(2, 2, false);
    rowsRoll.grids[kSideRight][0][0] = "Roll, deg";
    rowsRoll.columnCaption = "Dive, inches";
    int flag = 0;
    const GraphData g = loadGraphFromTable(rowsRoll, { 1, 1, 1, 2 }, {}, flag);
    EXPECT_EQ(g.title, "Camber, deg   vs   Dive, in");
    EXPECT_EQ(g.xAxisTitle, "Dive, in");
    EXPECT_EQ(g.series[0].legend, "Rt, roll, deg = .00");
}

TEST(GraphData, GraphCommandNeedsTwoColumnsInBothGrids)
{
    const CamberTable t = table(10, 3, false);
    int flag = 1; // left over from the previous graph
    EXPECT_EQ(
        graphCommand(t, { 1, 9, 2, 2 }, { 1, 9, 1, 3 }, {}, flag).refusal, kSelectMoreColumns);
    EXPECT_EQ(
        graphCommand(t, { 1, 9, 1, 3 }, { 4, 4, 3, 3 }, {}, flag).refusal, kSelectMoreColumns);
    const GraphCommandOutcome out = graphCommand(t, { 1, 9, 1, 3 }, { 1, 1, 1, 2 }, {}, flag);
    ASSERT_TRUE(out.graph.has_value());
    EXPECT_EQ(out.graph->limitMessage, kGraphLimitRows); // the command reset the flag
    EXPECT_TRUE(loadGraphFromTable(CamberTable {}, { 1, 5, 1, 5 }, {}, flag).series.empty());
}

TEST(GraphData, StandardLabelsKeepSettingsBehindTilde)
{
    GraphOptions options;
    options.plotTitle = "kept";
    options.currentRunLabel = "old";
    EXPECT_EQ(useLabelsGivenHere(options), (GraphLabelTexts { "kept", "old", "" }));
    EXPECT_EQ(options.labelMode, 1);
    useStandardLabels(options, { "~", "new", "~ " });
    EXPECT_EQ(options.labelMode, 0);
    EXPECT_EQ(options.plotTitle, "kept");
    EXPECT_EQ(options.currentRunLabel, "new");
    EXPECT_EQ(options.baselineRunLabel, "~ ");
}

// Readings on the car: rows below the table for each row value with a
// reading, model minus measured on the heat scale, and markers on the lines
// of their row value and side. Linear engine: right = 10 x dive + roll.
TEST(GraphData, MeasuredRowsAndMarkersFollowTheReadings)
{
    const CamberTable swept = table(3, 3, false); // dive 0..2, roll 0, 2, 4
    MeasurementSet measured;
    measured.rows.push_back({ 1, 2, { 11.5, std::nullopt } }); // model 12 on the right
    measured.rows.push_back({ 1, 3, { 13.0, -12.0 } }); // between columns: a marker only
    measured.rows.push_back({ 5, 0, { 1.0, 1.0 } }); // no such row
    const MeasuredTableRows rows = measuredTableRows(swept, measured);
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(rows.grids[0][0][0], "1.00 (measured)");
    EXPECT_EQ(rows.grids[0][0][2], "11.50");
    EXPECT_EQ(rows.grids[0][1][0], kModelMinusMeasured);
    EXPECT_EQ(rows.grids[0][1][2], ".50");
    EXPECT_EQ(rows.grids[0][1][1], "");
    EXPECT_EQ(rows.grids[1][1][2], ""); // nothing read on the left there
    ASSERT_TRUE(rows.differences[0][1][2].has_value());
    EXPECT_DOUBLE_EQ(*rows.differences[0][1][2], 0.5);
    EXPECT_DOUBLE_EQ(rows.heatSpan, std::max(0.5, kMinimumHeatSpan));

    int flag = 0;
    GraphData g = loadGraphFromTable(swept, { 1, 3, 1, 3 }, {}, flag);
    addMeasuredMarkers(g, swept, measured);
    ASSERT_EQ(g.series.size(), 6u);
    EXPECT_TRUE(g.series[0].measured.empty());
    ASSERT_EQ(g.series[1].measured.size(), 2u); // right, dive 1
    EXPECT_DOUBLE_EQ(g.series[1].measured[1].x, 3);
    ASSERT_EQ(g.series[4].measured.size(), 1u); // left, dive 1
    EXPECT_DOUBLE_EQ(g.series[4].measured[0].y, -12);

    EXPECT_EQ(
        measuredTableRows(tableForQuantity(swept, TableQuantity::RollCenterHeight, {}), measured)
            .rowCount(),
        0);
}
