// Picture formats and the number text form: every format the program uses,
// rounding on the shortest text, no minus sign on a rounded zero, no
// truncation of wide values.
#include "core/text/numbertext.h"
#include "core/text/pictureformat.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <utility>

namespace tarvik {
namespace {

TEST(PictureFormat, GivesTheExactText)
{
    // First: leading zeros suppressed, required fraction digits kept.
    const struct
    {
        double value;
        const char *picture;
        const char *expected;
    } cases[] = { { 0.5, "###.00", ".50" }, { 12.345, "###.00", "12.35" },
        { -12.5, "##.0", "-12.5" }, { 0.0, "##.0", ".0" }, { 1234.56, "####.0", "1234.6" },
        { -0.25, "####.0", "-.3" }, { 2.0, "##.000", "2.000" }, { 0.1234567, "##.0000", ".1235" },
        // '0' in the integer part forces a digit; '#' alone shows 0 as nothing.
        { 0.0, "###0", "0" }, { 0.4, "####", "" }, { 7.5, "####", "8" }, { 123.0, "####0", "123" },
        { -0.5, "##0.0", "-0.5" }, { -0.5, "###0", "-1" },
        // Optional fraction digits: trailing point for whole values.
        { 4.0, "######.###", "4." }, { 12.75, "######.###", "12.75" },
        { 1.0 / 3.0, "######.###", ".333" }, { 2.0 / 3.0, "#####.####", ".6667" },
        // Half away from zero on the shortest text, carrying into a new digit.
        { 2.675, "###.00", "2.68" }, { -2.675, "###.00", "-2.68" }, { 0.125, "##.00", ".13" },
        { 1.005, "##.00", "1.01" }, { 9.995, "##.00", "10.00" }, { 99.95, "##.0", "100.0" },
        { 0.9996, "##.000", "1.000" },
        // A value that rounds to zero has no minus sign.
        { -0.004, "###.00", ".00" }, { -0.04, "##.0", ".0" }, { -0.4, "####", "" },
        { -0.0, "###0", "0" },
        // Wider than the picture: every digit shows.
        { 123456.789, "##.0", "123456.8" }, { 1e20, "###0", "100000000000000000000" },
        { 5e-7, "##.000", ".000" } };
    for (const auto &c : cases) {
        EXPECT_EQ(formatPicture(c.value, c.picture), c.expected)
            << c.value << " with " << c.picture;
    }
}

TEST(PictureFormat, FloatValuesRoundOnTheirOwnShortestText)
{
    EXPECT_EQ(formatPicture(2.675f, "###.00"), "2.68");
    EXPECT_EQ(formatPicture(0.125f, "##.00"), ".13");
    EXPECT_EQ(formatPicture(-0.004f, "###.00"), ".00");
    EXPECT_EQ(formatPicture(1.45f, "##.0"), "1.5");
    // Widened to double the same value reads 2.674999952316284: the float
    // overload is what keeps single-precision results rounding as shown.
    EXPECT_EQ(formatPicture(static_cast<double>(2.675f), "###.00"), "2.67");
}

TEST(PictureFormat, WholeAndNonFiniteValues)
{
    EXPECT_EQ(formatPicture(5, "##.0"), "5.0"); // no cast needed
    EXPECT_EQ(formatPicture(-3, "###0"), "-3");
    EXPECT_EQ(formatPicture(std::numeric_limits<double>::quiet_NaN(), "##.0"), "NaN");
    EXPECT_EQ(formatPicture(-std::numeric_limits<double>::infinity(), "##.0"), "-Inf");
    EXPECT_EQ(numberText(std::numeric_limits<double>::infinity()), "Inf");
    EXPECT_EQ(numberText(-std::numeric_limits<float>::quiet_NaN()), "NaN");
}

TEST(PictureFormat, ExtremeMagnitudesKeepEveryDigit)
{
    const std::string huge = formatPicture(1e300, "##.0");
    EXPECT_EQ(huge.size(), 303u);
    EXPECT_EQ(huge.substr(0, 3), "100");
    EXPECT_EQ(huge.substr(huge.size() - 3), "0.0");
    EXPECT_EQ(formatPicture(-1.7976931348623157e308, "#").size(), 310u);
    EXPECT_EQ(formatPicture(5e-324, "##.00"), ".00");
    EXPECT_EQ(formatPicture(-5e-324, "0.0"), "0.0");
    EXPECT_EQ(formatPicture(0.0005, "#.###"), ".001");
    EXPECT_EQ(formatPicture(0.0004999, "#.###"), ".");
}

TEST(NumberText, ShortestTextNoLeadingZeroNoTrailingPoint)
{
    const std::pair<double, const char *> cases[]
        = { { 0.5, ".5" }, { -0.5, "-.5" }, { 12.0, "12" }, { 0.0, "0" }, { -0.0, "0" },
              { 19.25, "19.25" }, { 0.1 + 0.2, ".3" }, // 15 significant digits at most
              { 1.0 / 3.0, ".333333333333333" }, { 123456789012345.0, "123456789012345" },
              { 1e15, "1E+15" }, { 0.0001, ".0001" }, { 0.00001, "1E-05" }, { -2.5e-7, "-2.5E-07" },
              { 1e300, "1E+300" }, { -1.5e-300, "-1.5E-300" },
              { 999999999999999.9, "1E+15" }, // rounds up into the next decade
              { 99999.99999999999, "100000" } };
    for (const auto &[value, text] : cases) {
        EXPECT_EQ(numberText(value), text) << value;
        // The blank stands where a minus sign would.
        EXPECT_EQ(numberTextWithBlank(value), (text[0] == '-' ? "" : " ") + std::string(text));
    }
}

TEST(NumberText, SinglePrecisionShowsSevenDigits)
{
    EXPECT_EQ(numberText(40.0f), "40");
    EXPECT_EQ(numberTextWithBlank(0.0f), " 0");
    EXPECT_EQ(numberTextWithBlank(-60.0f), "-60");
    EXPECT_EQ(numberText(100.001f), "100.001");
    EXPECT_EQ(numberText(0.1f), ".1");
    EXPECT_EQ(numberText(1.0f / 3.0f), ".3333333");
    EXPECT_EQ(numberText(5000.0f), "5000");
    EXPECT_EQ(numberText(7), "7");
}

} // namespace
} // namespace tarvik
