// Roll-centre tables from the camber sweep: one engine call per cell for all
// three quantities, switching quantity without a sweep, each quantity's own
// baseline, and the graph and report texts that name the quantity. The
// stand-in engine moves the roll centre to height 4 - dive and lateral
// roll / 2 (toward the car's left for positive roll); camber is 10 x dive +
// roll on the right and its negative on the left.
#include "../geometry/workedexample.h"
#include "core/layout/specrecord.h"
#include "core/table/cambertablesession.h"
#include "core/table/graphdata.h"
#include "core/table/tabledialogs.h"
#include "core/table/tablereport.h"
#include "core/text/pictureformat.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

using namespace tarvik;

namespace {

struct FakeEngine
{
    int calls = 0;
    EngineOutput operator()(const EngineInput &in)
    {
        ++calls;
        const double d = std::stod(in.entries[kDiveEntry]);
        const double r = std::stod(in.entries[kRollEntry]);
        EngineOutput out;
        out.camber = { 10 * d + r, -(10 * d + r) };
        PassSolution moved;
        moved.rollCenter = { static_cast<float>(r / 2), static_cast<float>(4 - d) };
        out.movedPass = moved;
        return out;
    }
};

struct NoDialogs : TableDialogs
{
    std::vector<std::string> notes;
    void note(const std::string &text) override { notes.push_back(text); }
    bool askYesNo(const std::string &, const std::string &) override { return false; }
    std::optional<std::string> askText(
        const std::string &, const std::string &, const std::string &) override
    {
        return std::nullopt;
    }
};

// Dive 0 to 1, roll 0 to 2: two rows, two columns.
TableSpec smallSpec()
{
    return { 0, "0", "1", 1, "0", "2", 1 };
}

BaselineState shownBaseline(const TableSpec &spec, const char *cellText)
{
    BaselineState b;
    b.BaselineSpec = spec;
    b.ShowBaseline = 1;
    for (BaselineSide &side : b.BaselineData) {
        for (auto &row : side) {
            row.fill(cellText);
        }
    }
    return b;
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
        EXPECT_EQ(t.grids[kRight][2], c.lastRow);
        if (!tableQuantityPerSide(c.quantity)) {
            EXPECT_EQ(t.grids[kLeft], t.grids[kRight]); // one roll centre, both grids
        }
    }
    EXPECT_EQ(engine.calls, 4); // switching never called the engine
}

TEST(TableQuantity, EachQuantityComparesWithItsOwnBaseline)
{
    FakeEngine engine;
    const TableSpec spec = smallSpec();
    const CamberTable camber = fillCamberTable(spec, EngineInput {}, {}, std::ref(engine));
    const CamberTable height
        = tableForQuantity(camber, TableQuantity::RollCenterHeight, shownBaseline(spec, "3.50"));
    ASSERT_TRUE(height.baselineShown);
    // Dive 0, roll 2: height 4 against the base 3.50.
    EXPECT_EQ(height.grids[kLeft][1], (std::vector<std::string> { ".00 (new)", "4.00", "4.00" }));
    EXPECT_EQ(height.grids[kLeft][2], (std::vector<std::string> { ".00 (base)", "3.50", "3.50" }));
    EXPECT_EQ(height.grids[kLeft][3], (std::vector<std::string> { "Difference", ".50", ".50" }));

    TableSpec other = spec; // a baseline of another spec is hidden with the message
    other.RollIncIndex = 2;
    EXPECT_FALSE(
        tableForQuantity(camber, TableQuantity::RollCenterLateral, shownBaseline(other, "1.00"))
            .baselineMismatch.empty());
}

TEST(TableQuantity, SessionSwitchesAndKeepsEveryPreviousBaseline)
{
    TableSpec spec = smallSpec();
    BaselineState camberBase;
    BaselineState heightBase = shownBaseline(spec, "9.99");
    heightBase.BaselineIsSaved = 1; // a saved baseline is never replaced on close
    BaselineState lateralBase;
    NoDialogs dialogs;
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
    EXPECT_EQ(session.table().quantity, TableQuantity::RollCenterLateral);
    EXPECT_EQ(session.table().grids[kRight][1][2], "1.00");
    EXPECT_EQ(engine.calls, 4);

    session.showQuantity(TableQuantity::RollCenterHeight);
    EXPECT_EQ(engine.calls, 4);
    EXPECT_TRUE(session.table().baselineShown);
    EXPECT_EQ(session.table().grids[kRight][3][1], "-5.99"); // 4 - 9.99
    EXPECT_EQ(session.menuCaption(), "Baseline (show saved results)");
    EXPECT_EQ(&session.baseline(), &heightBase);

    session.unload();
    EXPECT_EQ(camberBase.BaselineData[kLeft][1][1], "-12.00");
    EXPECT_EQ(lateralBase.BaselineData[kRight][0][1], "1.00");
    EXPECT_EQ(lateralBase.BaselineSpec, spec);
    EXPECT_EQ(heightBase.BaselineData[kRight][0][0], "9.99");
    EXPECT_TRUE(dialogs.notes.empty());
}

TEST(TableQuantity, WorkedExampleMatchesTheMainWindowsRollCenter)
{
    const EngineInput layout = test::workedExample();
    const CamberTable height = fillQuantityTable(
        TableQuantity::RollCenterHeight, standardTableSpec(), layout, BaselineState {});
    // No dive, no roll: the static roll centre, 3.69 in above the ground.
    const EngineOutput still = runEngine(layout);
    EXPECT_EQ(height.grids[kRight][3][3], formatPicture(still.staticPass.rollCenter.y, "###.00"));
    EXPECT_EQ(height.grids[kRight][3][3], "3.69");

    // Dive 1, roll 2: the moved roll centre the main window draws for them.
    EngineInput moved = layout;
    moved.applyDiveRoll = 1;
    moved.entries[kDiveEntry] = "1";
    moved.entries[kRollEntry] = "2";
    const PassSolution pass = *runEngine(moved).movedPass;
    const CamberTable lateral = tableForQuantity(height, TableQuantity::RollCenterLateral, {});
    EXPECT_EQ(height.grids[kLeft][4][4], formatPicture(pass.rollCenter.y, "###.00"));
    EXPECT_EQ(lateral.grids[kLeft][4][4], formatPicture(pass.rollCenter.x, "###.00"));
    EXPECT_EQ(lateral.grids[kRight][4][4], "4.75"); // positive: toward the car's left
    EXPECT_EQ(lateral.grids[kRight][4][2], "-4.75");
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
    metric.unitsFlag = 1;
    const CamberTable camber = fillCamberTable(smallSpec(), metric, {}, std::ref(engine));
    EXPECT_TRUE(camber.metric);
    EXPECT_EQ(camber.grids[kRight][0][0], "Dive, mm");
    const CamberTable height = tableForQuantity(camber, TableQuantity::RollCenterHeight, {});
    EXPECT_EQ(height.grids[kRight][0][0], "Dive, mm");
    EXPECT_EQ(tableQuantityCaption(TableQuantity::RollCenterLateral, true),
        "Roll Center Lateral, millimeters (left +)");
    EXPECT_EQ(tableQuantityUnit(TableQuantity::Camber, true), "deg");

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
