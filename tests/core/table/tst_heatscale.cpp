// The diverging difference scale: its ends, its middle and its clamping, the
// span a table saturates at, which cells get a colour, and the legend.
#include "core/table/heatscale.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace tarvik;

TEST(HeatScale, DivergesFromWhiteAndSaturatesAtTheSpan)
{
    struct Case
    {
        double value, span;
        HeatColor color;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        { 0, 1, kHeatZero },
        { 1, 1, kHeatPositive },
        { -1, 1, kHeatNegative },
        { 7, 1, kHeatPositive }, // beyond the span: the deepest colour
        { -inf, 1, kHeatNegative },
        { nan, 1, kHeatZero },
        { 0.5, 1, { 217, 140, 149 } }, // halfway from white to (178, 24, 43)
        { -0.25, 0.5, { 144, 179, 214 } },
        { 0.1, 0, kHeatPositive }, // an unusable span is the minimum span
        { 0.05, nan, { 217, 140, 149 } },
    };
    for (const Case &c : cases) {
        EXPECT_EQ(heatColor(c.value, c.span), c.color) << c.value << " / " << c.span;
    }
    EXPECT_EQ(kHeatNegative.rgb(), 0x2166ACu);
}

TEST(HeatScale, SpanAndColoursComeFromTheDifferenceRowsOnly)
{
    CamberTable t;
    t.baselineShown = true;
    t.grids[kSideRight] = { { "Dive, inches", "-4.00", ".00" }, { ".00 (new)", "9.00", "1.00" },
        { ".00 (base)", "-9.00", "1.25" }, { "Difference", "-.40", "-.25" } };
    t.grids[kSideLeft] = { { "Dive, inches", "-4.00", ".00" }, { ".00 (new)", "1.00", "1.00" },
        { ".00 (base)", "1.00", "" }, { "Difference", ".00", "1.00" } };
    EXPECT_DOUBLE_EQ(tableHeatSpan(t), 1.0);
    EXPECT_EQ(differenceCellColor(t, kSideLeft, 3, 2, 1.0), kHeatPositive);
    EXPECT_EQ(differenceCellColor(t, kSideRight, 3, 1, 0.4), kHeatNegative);
    for (const auto &[side, row, column] :
        { std::tuple { kSideRight, 1, 1 }, { kSideRight, 2, 1 }, { kSideRight, 3, 0 },
            { kSideLeft, 0, 1 }, { kSideLeft, 3, 3 }, { kSideLeft, 4, 1 }, { 2, 3, 1 } }) {
        EXPECT_FALSE(differenceCellColor(t, side, row, column, 1.0).has_value())
            << side << " " << row << " " << column;
    }

    t.grids[kSideLeft][3][2] = ".01"; // only rounding left: stays near white
    t.grids[kSideRight][3] = { "Difference", ".00", "-.00" };
    EXPECT_DOUBLE_EQ(tableHeatSpan(t), kMinimumHeatSpan);
    t.baselineShown = false; // no difference rows at all
    EXPECT_DOUBLE_EQ(tableHeatSpan(t), kMinimumHeatSpan);
    EXPECT_FALSE(differenceCellColor(t, kSideLeft, 3, 2, 1.0).has_value());
}

TEST(HeatScale, LegendRunsEvenlyFromMinusToPlusSpan)
{
    const std::vector<HeatLegendStep> legend = heatLegend(0.5, 5);
    ASSERT_EQ(legend.size(), 5u);
    const char *texts[] = { "-.50", "-.25", ".00", ".25", ".50" };
    for (std::size_t i = 0; i < legend.size(); ++i) {
        EXPECT_EQ(legend[i].text, texts[i]);
        EXPECT_EQ(legend[i].color, heatColor(legend[i].value, 0.5));
    }
    EXPECT_EQ(legend[2].value, 0.0);
    EXPECT_EQ(heatLegend(1.0, 0).size(), 2u);
    EXPECT_EQ(heatLegend(1.0, 100000).size(), 101u);
    EXPECT_EQ(heatLegend(-3).front().text, "-.10"); // a bad span: the minimum span
}
