// Roll-centre tables from the camber sweep with the linear stand-in engine:
// one engine call per cell for all three quantities, switching quantity
// without a sweep, each quantity's own baseline, and the graph and report
// texts that name the quantity.
#include "core/table/cambertablesession.h"
#include "core/table/graphdata.h"
#include "core/table/tablereport.h"
#include "tablefakes.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

using namespace tarvik;

namespace {

struct FakeEngine
{
    int calls = 0;
    EngineOutput operator()(const EngineInput &in) { return ++calls, test::linearEngine(in); }
};

// Dive 0 to 1, roll 0 to 2: two rows, two columns.
TableSpec smallSpec()
{
    return { 0, "0", "1", 1, "0", "2", 1 };
}

} // namespace

TEST(TableQuantity, OneSweepGivesEveryQuantity)
{
    FakeEngine engine;
    const CamberTable camber = fillCamberTable(smallSpec(), EngineInput {}, {}, std::ref(engine));
    EXPECT_EQ(engine.calls, 4);
    ASSERT_EQ(camber.values.size(), 4u);

    struct Case
    {
        TableQuantity quantity;
        std::vector<std::string> lastRow; // dive 1: roll 0, roll 2
    };
    const Case cases[] = {
        { TableQuantity::Camber, { "1.00", "10.00", "12.00" } },
        { TableQuantity::RollCenterHeight, { "1.00", "3.00", "3.00" } },
        { TableQuantity::RollCenterLateral, { "1.00", ".00", "1.00" } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(tableQuantityKey(c.quantity)));
        const CamberTable t = tableForQuantity(camber, c.quantity, {});
        FakeEngine direct;
        const CamberTable swept
            = fillQuantityTable(c.quantity, smallSpec(), EngineInput {}, {}, std::ref(direct));
        EXPECT_EQ(t.grids, swept.grids); // switching equals sweeping afresh
        EXPECT_EQ(t.quantity, c.quantity);
        EXPECT_EQ(t.grids[kSideRight][2], c.lastRow);
        if (!tableQuantityPerSide(c.quantity)) {
            EXPECT_EQ(t.grids[kSideLeft], t.grids[kSideRight]); // one roll centre, both grids
        }
    }
    EXPECT_EQ(engine.calls, 4); // switching never called the engine

    TableSpec other = smallSpec(); // a baseline of another spec is hidden with the message
    other.RollIncIndex = 2;
    EXPECT_FALSE(tableForQuantity(
        camber, TableQuantity::RollCenterLateral, test::filledBaseline(other, "1.00"))
                     .baselineMismatch.empty());
}

// The window's test follows each quantity's baseline across a reopen and a
// restart; here: the choice before the first fill, and a close that hands
// every quantity its table except a saved one.
TEST(TableQuantity, SessionSwitchesAndKeepsEveryPreviousBaseline)
{
    TableSpec spec = smallSpec();
    BaselineState camberBase;
    BaselineState heightBase = test::filledBaseline(spec, "9.99");
    heightBase.BaselineIsSaved = 1;
    BaselineState lateralBase;
    test::ScriptedDialogs dialogs; // nothing may be asked
    FakeEngine engine;
    CamberTableSession session(
        spec, camberBase,
        [&engine](const TableSpec &s, const BaselineState &b) {
            return fillCamberTable(s, EngineInput {}, b, std::ref(engine));
        },
        dialogs);
    session.setQuantityBaseline(TableQuantity::RollCenterHeight, heightBase);
    session.setQuantityBaseline(TableQuantity::RollCenterLateral, lateralBase);

    session.showQuantity(TableQuantity::RollCenterLateral); // before the first fill: a choice
    session.fill();
    EXPECT_EQ(session.table().grids[kSideRight][1][2], "1.00");
    session.showQuantity(TableQuantity::RollCenterHeight);
    EXPECT_EQ(session.table().grids[kSideRight][3][1], "-5.99"); // 4 - 9.99
    EXPECT_EQ(engine.calls, 4);

    session.unload();
    EXPECT_EQ(camberBase.BaselineData[kSideLeft][1][1], "-12.00");
    EXPECT_EQ(lateralBase.BaselineData[kSideRight][0][1], "1.00");
    EXPECT_EQ(heightBase.BaselineData[kSideRight][0][0], "9.99");
    EXPECT_TRUE(dialogs.log.empty());
}

TEST(TableQuantity, GraphAndReportNameTheQuantity)
{
    FakeEngine engine;
    const CamberTable camber
        = fillCamberTable(standardTableSpec(), EngineInput {}, {}, std::ref(engine));
    const CamberTable height = tableForQuantity(camber, TableQuantity::RollCenterHeight, {});
    int flag = 0;
    GraphOptions options;
    GraphData g = loadGraphFromTable(height, { 1, 2, 1, 5 }, options, flag);
    EXPECT_EQ(g.title, "Roll Center Height, in   vs   Roll, deg");
    ASSERT_EQ(g.series.size(), 2u); // the right grid only
    EXPECT_EQ(g.series[1].legend, "RC, dive, in = -1.00");
    EXPECT_EQ(g.pointCount, 5);
    EXPECT_DOUBLE_EQ(g.series[1].points[4].y, 5.0); // 4 - (-1)

    options.labelMode = 1;
    options.plotTitle = "soft springs";
    g = loadGraphFromTable(height, { 1, 1, 1, 2 }, options, flag);
    EXPECT_EQ(g.title, "Roll Center Height:  soft springs");

    const TextMeasure measure = [](const std::string &text, int points) {
        return TextExtent { 0.5 * points * static_cast<double>(text.size()), 1.2 * points };
    };
    TableReportInput page;
    page.pageWidth = 540;
    page.pageHeight = 720;
    const TableReport report = layoutTableReport(height, page, measure);
    std::vector<std::string> texts;
    for (const ReportItem &item : report.items) {
        if (item.kind == ReportItem::Kind::Text) {
            texts.push_back(item.text);
        }
    }
    EXPECT_EQ(texts.front(), "Tarvik - Quellmark Inc.  -  Roll Center Height, inches");
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Right & Left"), 1);
    // The long side caption pushes the column caption clear of it.
    const auto at = [&report](const std::string &text) {
        return *std::find_if(report.items.begin(), report.items.end(),
            [&text](const ReportItem &i) { return i.text == text; });
    };
    EXPECT_GT(at("Roll, degrees").x, at("Right & Left").x + measure("Right & Left", 12).width);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Left"), 0); // printed once
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "-1.00"), 1); // one row header
}

// A metric layout's table: the dive and the roll centre are millimetres, and
// every caption, title and legend says so; camber stays in degrees.
TEST(TableQuantity, MetricLayoutNamesMillimetres)
{
    FakeEngine engine;
    EngineInput metric;
    metric.units = Units::Metric;
    const CamberTable camber = fillCamberTable(smallSpec(), metric, {}, std::ref(engine));
    EXPECT_TRUE(camber.metric);
    EXPECT_EQ(camber.grids[kSideRight][0][0], "Dive, mm");
    const CamberTable height = tableForQuantity(camber, TableQuantity::RollCenterHeight, {});
    EXPECT_EQ(tableQuantityCaption(TableQuantity::RollCenterLateral, true),
        "Roll Center Lateral, millimeters (left +)");

    int flag = 0;
    const GraphData g = loadGraphFromTable(height, { 1, 2, 1, 2 }, GraphOptions {}, flag);
    EXPECT_EQ(g.title, "Roll Center Height, mm   vs   Roll, deg");
    EXPECT_EQ(g.yAxisTitle, "Roll Center Height, mm");
    EXPECT_EQ(g.series[0].legend, "RC, dive, mm = .00");

    TableSpec rowsRoll = smallSpec();
    rowsRoll.RowsAreRoll = 1;
    const CamberTable byRoll = fillCamberTable(rowsRoll, metric, {}, std::ref(engine));
    EXPECT_EQ(byRoll.columnCaption, "Dive, mm");
    const GraphData dive = loadGraphFromTable(byRoll, { 1, 1, 1, 2 }, GraphOptions {}, flag);
    EXPECT_EQ(dive.xAxisTitle, "Dive, mm");
    EXPECT_EQ(dive.yAxisTitle, "Camber, deg");
    EXPECT_EQ(reportTitleLine(kReportTitleLine, TableQuantity::RollCenterHeight, true),
        "Tarvik - Quellmark Inc.  -  Roll Center Height, millimeters");
}
