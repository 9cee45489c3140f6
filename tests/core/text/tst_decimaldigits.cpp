// Rounding a value directly at a number of decimals must give exactly the
// digits of rounding its shortest text, or decline: checked on random values
// and on values at, and a few units in the last place around, every
// rounding tie of the widths the pictures use.
#include "core/text/decimaldigits.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace tarvik {
namespace {

std::string describe(const DecimalDigits &d)
{
    return std::string(d.negative ? "-" : "") + std::string(d.digits, d.digits + d.count) + " e"
        + std::to_string(d.pointPosition);
}

// True when the direct rounding answered (and then agreed).
bool expectSameRounding(double value, int decimals)
{
    DecimalDigits direct;
    if (!roundedDigitsDirect(value, decimals, direct)) {
        return false;
    }
    DecimalDigits shortest = shortestDigits(value);
    roundToDecimals(shortest, decimals);
    EXPECT_EQ(describe(direct), describe(shortest)) << value << " at " << decimals << " decimals";
    return true;
}

TEST(DecimalDigits, DirectRoundingAgreesWithTheShortestText)
{
    std::uint64_t seed = 2024;
    const auto next = [&seed]() {
        seed = seed * 6364136223846793005ull + 1442695040888963407ull;
        return seed >> 11;
    };
    int answered = 0;
    int declined = 0;
    for (int decimals = 0; decimals <= 4; ++decimals) {
        const double scale = std::pow(10.0, decimals);
        for (int i = 0; i < 4000; ++i) {
            // A tie (k + .5) / 10^decimals, then its neighbours.
            const double k = static_cast<double>(next() % (i < 2000 ? 1000 : 100000000));
            double up = (k + 0.5) / scale;
            double down = up;
            for (int step = 0; step < 3; ++step) {
                for (const double v : { up, -down }) {
                    (expectSameRounding(v, decimals) ? answered : declined) += 1;
                }
                up = std::nextafter(up, 1e300);
                down = std::nextafter(down, -1e300);
            }
            // Arbitrary values of every size the results take.
            const double random = static_cast<double>(next() % 2000000001) / 1e6 - 1000.0;
            (expectSameRounding(random * std::pow(10.0, double(next() % 9) - 4), decimals)
                    ? answered
                    : declined)
                += 1;
        }
    }
    // Both paths are really taken.
    EXPECT_GT(answered, 10000);
    EXPECT_GT(declined, 1000);
}

TEST(DecimalDigits, DirectRoundingDeclinesWhatItCannotDecide)
{
    DecimalDigits d;
    EXPECT_FALSE(roundedDigitsDirect(2.675, 2, d)); // stored just below the tie its text is on
    EXPECT_FALSE(roundedDigitsDirect(1e12, 2, d)); // too large to scale exactly enough
    EXPECT_FALSE(roundedDigitsDirect(std::nan(""), 1, d));
    EXPECT_FALSE(roundedDigitsDirect(INFINITY, 1, d));
    EXPECT_FALSE(roundedDigitsDirect(1.5, 12, d)); // wider than any picture
    ASSERT_TRUE(roundedDigitsDirect(-0.004, 2, d));
    EXPECT_TRUE(d.isZero());
    EXPECT_TRUE(d.negative);
    ASSERT_TRUE(roundedDigitsDirect(9.996, 2, d));
    EXPECT_EQ(describe(d), "1 e2"); // 10.00
}

} // namespace
} // namespace tarvik
