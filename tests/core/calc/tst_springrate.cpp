// Spring-rate formulas and the rate's display formats, with the boundaries
// of the formats and the inputs that give no rate.
#include "core/calc/springrate.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace tarvik;

TEST(SpringRate, CoilLeafAndTorsionBar)
{
    // D = .5 + 3.5 = 4: 11e6 x .0625 / (8 x 64 x 10) = 134.28...
    ASSERT_TRUE(coilSpringRate(0.5, 3.5, 10));
    EXPECT_NEAR(*coilSpringRate(0.5, 3.5, 10), 134.277, 1e-3);
    EXPECT_EQ(springRateText(*coilSpringRate(0.5, 3.5, 10)), "134");

    // One leaf at the centre: the single-leaf formula, whatever the ends.
    const double single = 30e6 * 2 * 0.001 / (4 * 125);
    EXPECT_NEAR(*leafSpringRate(1, 7, 10, 0.1, 2), single, 1e-9);
    EXPECT_NEAR(*leafSpringRate(1, 1, 10, 0.1, 2), single, 1e-9);
    // Three at the centre, two at the ends: x 3 x (2 + 2/3) / 6 over the single leaf's x 1/4.
    EXPECT_NEAR(
        *leafSpringRate(3, 2, 10, 0.1, 2), 30e6 * 2 * 0.001 * 3 * (2 + 2.0 / 3) / 750, 1e-9);

    const double g = 11e6 * 1.15 * 0.098;
    EXPECT_NEAR(*torsionBarRate(1, 40, 10), g / 4000, 1e-9);
    // An inside diameter up to the outside one keeps a .02 in wall.
    const double wall = 1 - std::pow(0.98, 4);
    EXPECT_NEAR(*torsionBarRate(1, 40, 10, 1.0), g / 4000 * wall, 1e-9);
    EXPECT_NEAR(*torsionBarRate(1, 40, 10, 5.0), g / 4000 * wall, 1e-9);
}

TEST(SpringRate, MissingInputsGiveNoRate)
{
    EXPECT_FALSE(coilSpringRate(0, 3.5, 10));
    EXPECT_FALSE(coilSpringRate(0.5, 3.5, 0));
    EXPECT_FALSE(leafSpringRate(3, 2, 0, 0.1, 2));
    EXPECT_FALSE(leafSpringRate(0, 2, 10, 0.1, 2));
    EXPECT_FALSE(torsionBarRate(1, 0, 10));
    // A bar of diameter 0 has no rate, solid or hollow, and no fault.
    EXPECT_FALSE(torsionBarRate(0, 40, 10));
    EXPECT_FALSE(torsionBarRate(0, 40, 10, 0.5));
}

TEST(SpringRate, FormatChangesAtTwentyAndOneHundred)
{
    const struct
    {
        double rate;
        const char *text;
    } cases[] = {
        { 0.5, ".50" },
        { 19.99, "19.99" },
        { 19.996, "20.00" }, // still below 20: two decimals
        { 20, "20.0" },
        { 99.94, "99.9" },
        { 99.96, "100.0" }, // still below 100: one decimal
        { 100, "100" },
        { 1234.5, "1235" },
    };
    for (const auto &c : cases) {
        EXPECT_EQ(springRateText(c.rate), c.text) << c.rate;
    }
}
