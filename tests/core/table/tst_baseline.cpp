// Baseline data operations: what CopyTableToBaseline keeps, the spec check,
// difference texts, the mismatch message and the conversion to other units.
#include "core/table/baseline.h"
#include "core/table/baselineunits.h"
#include "core/table/cambertable.h"

#include <gtest/gtest.h>

using namespace tarvik;

namespace {

// A table as the sweep leaves it, with every data cell named by its place.
CamberTable tableOf(int dataRows, int dataColumns, bool baselineShown)
{
    CamberTable t;
    t.baselineShown = baselineShown;
    t.dataRows = dataRows;
    t.dataColumns = dataColumns;
    const int g = t.groupSize();
    for (int side = 0; side < 2; ++side) {
        TableGrid &grid = t.grids[static_cast<std::size_t>(side)];
        grid.assign(static_cast<std::size_t>(g * dataRows + 1),
            std::vector<std::string>(static_cast<std::size_t>(dataColumns + 1)));
        for (std::size_t r = 1; r < grid.size(); ++r) {
            for (std::size_t c = 1; c < grid[r].size(); ++c) {
                grid[r][c]
                    = std::to_string(side) + ":" + std::to_string(r) + ":" + std::to_string(c);
            }
        }
    }
    return t;
}

} // namespace

TEST(Baseline, CopyKeepsFirstRowOfEachEntryAndTheSpec)
{
    BaselineState base;
    base.BaselineData[kSideRight][3][0] = "kept";
    TableSpec spec = standardTableSpec();
    spec.DiveIncIndex = 2;
    copyTableToBaseline(tableOf(3, 2, true), spec, base);
    EXPECT_EQ(base.BaselineSpec, spec);
    // Grid rows 1, 4 and 7 are the "(new)" rows of entries 0, 1 and 2.
    EXPECT_EQ(base.cell(kSideRight, 1, 1), "0:4:2");
    EXPECT_EQ(base.cell(kSideLeft, 2, 0), "1:7:1");
    // Cells the table does not cover keep their old texts.
    EXPECT_EQ(base.cell(kSideRight, 3, 0), "kept");
    EXPECT_EQ(base.cell(kSideRight, 0, 2), "");

    // A table bigger than the array: the rest is skipped; reads out of range are empty.
    copyTableToBaseline(tableOf(12, 13, false), standardTableSpec(), base);
    EXPECT_EQ(base.cell(kSideRight, 9, 10), "0:10:11");
    EXPECT_EQ(base.cell(kSideRight, 10, 0), "");
    EXPECT_EQ(base.cell(2, 0, 0), "");
    EXPECT_EQ(base.cell(kSideLeft, 0, -1), "");

    // A refused table gives nothing, not even its spec.
    CamberTable refused;
    refused.refusal = "too big";
    copyTableToBaseline(refused, TableSpec {}, base);
    EXPECT_EQ(base.BaselineSpec, standardTableSpec());
    EXPECT_EQ(base.cell(kSideRight, 0, 0), "0:1:1");

    // The spec check compares the range ends as texts.
    spec = standardTableSpec();
    EXPECT_TRUE(baselineMatches(base, spec));
    spec.RollTo = "4.0";
    EXPECT_FALSE(baselineMatches(base, spec));
}

TEST(Baseline, DifferenceUsesFullCamberAndTwoDecimalText)
{
    struct Case
    {
        double camber;
        const char *base;
        const char *text;
    };
    const Case cases[] = {
        { 1.234, "1.23", ".00" },
        { 1.2349, "1.23", ".00" },
        { 1.236, "1.23", ".01" }, // both print 1.24 / 1.23 apart by less than a hundredth
        { -0.5, "1.00", "-1.50" },
        { 0.25, "", ".25" },
        { 0.25, "n/a", ".25" },
        { 0.25, " -.25", ".50" },
    };
    for (const Case &c : cases) {
        EXPECT_EQ(differenceText(c.camber, c.base), c.text) << c.camber << " - " << c.base;
    }
}

TEST(Baseline, MismatchMessageOfEachMode)
{
    BaselineState base;
    EXPECT_NE(baselineMismatchMessage(base).find("close this window by clicking on 'Back'"),
        std::string::npos);
    base.BaselineIsSaved = 1;
    EXPECT_EQ(baselineMismatchMessage(base),
        "Baseline Table Options (increments for Roll and Dive) do not match Current Table "
        "Options.\r\rTo show the baseline, click on 'Baseline' and then click on 'Save this Data "
        "as Baseline'.  Then select 'Show Baseline Data'.");
}

// A change of units converts the spec's dive range, and the cells of a
// length quantity; camber's cells are degrees either way. There and back
// gives the texts again.
TEST(Baseline, UnitsConvertTheSpecAndLengthCells)
{
    BaselineState base;
    base.BaselineSpec = standardTableSpec();
    base.BaselineData[kSideRight][0][0] = "3.69";
    base.BaselineData[kSideLeft][9][10] = "-.50";
    BaselineState camber = base;

    convertBaselineUnits(base, TableQuantity::RollCenterHeight, true);
    EXPECT_EQ(base.BaselineSpec.DiveFrom, "-50.8");
    EXPECT_EQ(base.BaselineSpec.RollFrom, standardTableSpec().RollFrom);
    EXPECT_EQ(base.BaselineData[kSideRight][0][0], "93.73");
    EXPECT_EQ(base.BaselineData[kSideLeft][9][10], "-12.70");
    EXPECT_EQ(base.BaselineData[kSideRight][0][1], ""); // blank stays blank
    convertBaselineUnits(base, TableQuantity::RollCenterHeight, false);
    EXPECT_EQ(base.BaselineSpec, standardTableSpec());
    EXPECT_EQ(base.BaselineData[kSideRight][0][0], "3.69");

    convertBaselineUnits(camber, TableQuantity::Camber, true);
    EXPECT_EQ(camber.BaselineSpec.DiveTo, "50.8");
    EXPECT_EQ(camber.BaselineData[kSideRight][0][0], "3.69");
}
