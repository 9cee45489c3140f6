// Graph data from the camber table: selection widening, the 12-series limit,
// legends, titles, point padding, and the options window's label rule. Tables
// come from the real sweep with a stand-in engine: right camber = 10 x dive +
// roll, left = -(right); every base cell reads "1.00".
#include "core/layout/specrecord.h"
#include "core/table/graphdata.h"

#include <gtest/gtest.h>
#include <string>

using namespace tarvik;

namespace {

// Dive 0 .. rows-1 by 1 inch down the rows, roll 0, 2, 4, ... across.
CamberTable table(int rows, int columns, bool shown)
{
    const TableSpec spec { 0, "0", std::to_string(rows - 1), 1, "0",
        std::to_string(2 * (columns - 1)), 1 };
    BaselineState base;
    base.BaselineSpec = spec;
    base.ShowBaseline = shown ? 1 : 0;
    for (BaselineSide &side : base.BaselineData) {
        for (auto &row : side) {
            row.fill("1.00");
        }
    }
    return fillCamberTable(spec, EngineInput {}, base, [](const EngineInput &in) {
        EngineOutput out;
        out.camber[kRight]
            = 10 * std::stod(in.entries[kDiveEntry]) + std::stod(in.entries[kRollEntry]);
        out.camber[kLeft] = -out.camber[kRight];
        return out;
    });
}

std::vector<std::string> legends(const GraphData &g)
{
    std::vector<std::string> out;
    for (const GraphSeries &s : g.series) {
        out.push_back(s.legend);
    }
    return out;
}

} // namespace

TEST(GraphData, DifferenceRowSelectsItsWholeGroup)
{
    const CamberTable shown = table(3, 3, true);
    EXPECT_EQ(extendGridSelection(shown, { 6, 6, 2, 2 }), (GridSelection { 4, 6, 2, 2 }));
    EXPECT_EQ(extendGridSelection(shown, { 2, 4, 1, 3 }), (GridSelection { 1, 6, 1, 3 }));
    const CamberTable hidden = table(3, 3, false);
    EXPECT_EQ(extendGridSelection(hidden, { 2, 2, 1, 2 }), (GridSelection { 2, 2, 1, 2 }));
}

TEST(GraphData, SeriesLimitExamples)
{
    struct Case
    {
        bool shown;
        int firstRow, lastRow;
        std::vector<std::string> rightHeaders;
        const char *message;
    };
    const Case cases[] = {
        { false, 1, 4, { ".00", "1.00", "2.00", "3.00" }, "" },
        { false, 2, 10, { "1.00", "2.00", "3.00", "4.00", "5.00", "6.00" }, kGraphLimitRows },
        { true, 1, 6, { ".00 (new)", ".00 (base)", "1.00 (new)", "1.00 (base)" }, "" },
        { true, 4, 15, { "1.00 (new)", "1.00 (base)", "4.00 (new)", "4.00 (base)" },
            kGraphLimitGroups },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.firstRow * 100 + c.lastRow);
        const CamberTable t = table(10, 3, c.shown);
        int flag = 0;
        const GraphData g = loadGraphFromTable(t, { c.firstRow, c.lastRow, 1, 3 }, {}, flag);
        const std::size_t n = c.rightHeaders.size();
        ASSERT_EQ(g.series.size(), 2 * n);
        for (std::size_t i = 0; i < n; ++i) {
            EXPECT_EQ(g.series[i].legend, "Rt, dive, in = " + c.rightHeaders[i]);
            EXPECT_EQ(g.series[n + i].legend, "Lt, dive, in = " + c.rightHeaders[i]);
            EXPECT_EQ(g.series[i].linePattern, 3);
        }
        EXPECT_EQ(g.limitMessage, c.message);
        EXPECT_EQ(flag, *c.message ? 1 : 0);
        // A reload from the options window does not repeat the message.
        EXPECT_EQ(
            loadGraphFromTable(t, { c.firstRow, c.lastRow, 1, 3 }, {}, flag).limitMessage, "");
    }
}

TEST(GraphData, PointsAndPadding)
{
    // One row, two columns: Rt and Lt with two points each.
    const CamberTable hidden = table(3, 3, false);
    int flag = 0;
    GraphData g = loadGraphFromTable(hidden, { 3, 3, 2, 3 }, {}, flag);
    ASSERT_EQ(g.series.size(), 2u);
    EXPECT_EQ(g.pointCount, 2);
    EXPECT_DOUBLE_EQ(g.series[0].points[1].x, 4);
    EXPECT_DOUBLE_EQ(g.series[0].points[1].y, 24); // dive 2, roll 4
    EXPECT_DOUBLE_EQ(g.series[1].points[0].y, -22);

    // Two rows, two columns: four series, points 3 and 4 repeat point 2.
    g = loadGraphFromTable(hidden, { 1, 2, 1, 2 }, {}, flag);
    ASSERT_EQ(g.series.size(), 4u);
    ASSERT_EQ(g.pointCount, 4);
    for (const GraphSeries &s : g.series) {
        EXPECT_DOUBLE_EQ(s.points[3].x, s.points[1].x);
        EXPECT_DOUBLE_EQ(s.points[2].y, s.points[1].y);
    }
    EXPECT_DOUBLE_EQ(g.series[3].points[3].y, -12);

    // One row, three columns, baseline shown: the group widens, N = 2, the
    // three points are padded to four; base cells read as their texts.
    const CamberTable shown = table(3, 3, true);
    g = loadGraphFromTable(shown, { 5, 5, 1, 3 }, {}, flag);
    EXPECT_EQ(legends(g),
        (std::vector<std::string> { "Rt, dive, in = 1.00 (new)", "Rt, dive, in = 1.00 (base)",
            "Lt, dive, in = 1.00 (new)", "Lt, dive, in = 1.00 (base)" }));
    ASSERT_EQ(g.pointCount, 4);
    EXPECT_DOUBLE_EQ(g.series[1].points[2].y, 1);
    EXPECT_DOUBLE_EQ(g.series[2].points[3].y, -14);
}

TEST(GraphData, TitlesAndLabels)
{
    GraphOptions options;
    int flag = 0;
    CamberTable rowsRoll = table(2, 2, false);
    rowsRoll.grids[kRight][0][0] = "Roll, deg";
    rowsRoll.columnCaption = "Dive, inches";
    GraphData g = loadGraphFromTable(rowsRoll, { 1, 1, 1, 2 }, options, flag);
    EXPECT_EQ(g.title, "Camber, deg   vs   Dive, in");
    EXPECT_EQ(g.xAxisTitle, "Dive, in");
    EXPECT_EQ(g.series[0].legend, "Rt, roll, deg = .00");

    options.labelMode = 1;
    options.plotTitle = "Spring test";
    options.currentRunLabel = "stiff";
    options.baselineRunLabel = "stock";
    g = loadGraphFromTable(table(2, 2, true), { 1, 3, 1, 2 }, options, flag);
    EXPECT_EQ(g.title, "Camber:  Spring test");
    EXPECT_EQ(g.xAxisTitle, "Roll, deg");
    EXPECT_EQ(legends(g),
        (std::vector<std::string> { "Rt, dive, in = .00 (stiff)", "Rt, dive, in = .00 (stock)",
            "Lt, dive, in = .00 (stiff)", "Lt, dive, in = .00 (stock)" }));
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
