// Spring-rate formulas and the rate's display formats, with the boundaries
// of the formats and the inputs that give no rate.
#include "core/calc/springrate.h"

#include <gtest/gtest.h>

using namespace tarvik;

// Rates worked by hand from the formulas (shear modulus 11e6 psi, Young's
// modulus 30e6 psi, torsion bar constant 1.15 x .098).
TEST(SpringRate, CoilLeafAndTorsionBar)
{
    EXPECT_NEAR(*coilSpringRate(0.5, 3.5, 10), 134.27734375, 1e-9); // mean diameter 4
    // One leaf at the centre: the single-leaf formula, whatever the ends.
    EXPECT_NEAR(*leafSpringRate(1, 7, 10, 0.1, 2), 120, 1e-9);
    EXPECT_NEAR(*leafSpringRate(1, 1, 10, 0.1, 2), 120, 1e-9);
    EXPECT_NEAR(*leafSpringRate(3, 2, 10, 0.1, 2), 640, 1e-9);
    EXPECT_NEAR(*torsionBarRate(1, 40, 10), 309.925, 1e-9);
    // An inside diameter up to the outside one keeps a .02 in wall.
    EXPECT_NEAR(*torsionBarRate(1, 40, 10, 1.0), 24.060048012, 1e-9);
    EXPECT_NEAR(*torsionBarRate(1, 40, 10, 5.0), 24.060048012, 1e-9);
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
