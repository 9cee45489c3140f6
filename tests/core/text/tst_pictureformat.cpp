// Picture formats and the number text form: every format the program uses,
// rounding on the shortest text, no minus sign on a rounded zero, no
// truncation of wide values.
#include "core/text/numbertext.h"
#include "core/text/pictureformat.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace tarvik {
namespace {

struct PictureCase
{
    double value;
    const char *picture;
    const char *expected;
};

class PictureFormatTest : public ::testing::TestWithParam<PictureCase>
{
};

TEST_P(PictureFormatTest, GivesTheExactText)
{
    const auto &c = GetParam();
    EXPECT_EQ(formatPicture(c.value, c.picture), c.expected) << c.value << " with " << c.picture;
}

INSTANTIATE_TEST_SUITE_P(EveryPicture, PictureFormatTest,
    ::testing::Values(
        // Leading zeros suppressed, required fraction digits kept.
        PictureCase { 0.5, "###.00", ".50" }, PictureCase { 0.5, "##.00", ".50" },
        PictureCase { 12.345, "###.00", "12.35" }, PictureCase { -12.5, "##.0", "-12.5" },
        PictureCase { 0.0, "##.0", ".0" }, PictureCase { 1234.56, "####.0", "1234.6" },
        PictureCase { 1234.56, "####.00", "1234.56" }, PictureCase { -0.25, "####.0", "-.3" },
        // '0' in the integer part forces a digit; '#' alone shows 0 as nothing.
        PictureCase { 0.0, "###0", "0" }, PictureCase { 0.0, "####", "" },
        PictureCase { 0.4, "####", "" }, PictureCase { 7.5, "####", "8" },
        PictureCase { 0.0, "####0", "0" }, PictureCase { 123.0, "####0", "123" },
        PictureCase { 0.5, "##0.0", "0.5" }, PictureCase { -0.5, "##0.0", "-0.5" },
        PictureCase { 0.5, "###0", "1" }, PictureCase { -0.5, "###0", "-1" },
        // Optional fraction digits: trailing point for whole values.
        PictureCase { 4.0, "######.###", "4." }, PictureCase { 12.75, "######.###", "12.75" },
        PictureCase { 0.5, "######.###", ".5" }, PictureCase { 1.0 / 3.0, "######.###", ".333" },
        PictureCase { 2.0 / 3.0, "#####.####", ".6667" }, PictureCase { 3.0, "#####.####", "3." },
        PictureCase { 0.1234567, "##.0000", ".1235" }, PictureCase { 2.0, "##.000", "2.000" },
        PictureCase { 0.9996, "##.000", "1.000" },
        // Half away from zero on the shortest text.
        PictureCase { 2.675, "###.00", "2.68" }, PictureCase { 0.125, "##.00", ".13" },
        PictureCase { -2.675, "###.00", "-2.68" }, PictureCase { 1.005, "##.00", "1.01" },
        PictureCase { 9.995, "##.00", "10.00" }, PictureCase { 99.95, "##.0", "100.0" },
        // A value that rounds to zero has no minus sign.
        PictureCase { -0.004, "###.00", ".00" }, PictureCase { -0.04, "##.0", ".0" },
        PictureCase { -0.4, "####", "" }, PictureCase { -0.0, "###0", "0" },
        // Wider than the picture: every digit shows.
        PictureCase { 123456.789, "##.0", "123456.8" },
        PictureCase { 1e20, "###0", "100000000000000000000" },
        PictureCase { 5e-7, "##.000", ".000" }));

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

TEST(PictureFormat, WholeNumbersNeedNoCast)
{
    EXPECT_EQ(formatPicture(5, "##.0"), "5.0");
    EXPECT_EQ(formatPicture(-3, "###0"), "-3");
}

TEST(PictureFormat, NonFiniteValuesGiveAStableText)
{
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

struct TextCase
{
    double value;
    const char *plain;
    const char *withBlank;
};

TEST(NumberText, ShortestTextNoLeadingZeroNoTrailingPoint)
{
    const TextCase cases[] = {
        { 0.5, ".5", " .5" },
        { -0.5, "-.5", "-.5" },
        { 12.0, "12", " 12" },
        { 0.0, "0", " 0" },
        { -0.0, "0", " 0" },
        { 19.25, "19.25", " 19.25" },
        { 0.1 + 0.2, ".3", " .3" }, // 15 significant digits at most
        { 1.0 / 3.0, ".333333333333333", " .333333333333333" },
        { 123456789012345.0, "123456789012345", " 123456789012345" },
        { 1e15, "1E+15", " 1E+15" },
        { 0.0001, ".0001", " .0001" },
        { 0.00001, "1E-05", " 1E-05" },
        { -2.5e-7, "-2.5E-07", "-2.5E-07" },
        { 1e300, "1E+300", " 1E+300" },
        { -1.5e-300, "-1.5E-300", "-1.5E-300" },
        { 999999999999999.9, "1E+15", " 1E+15" }, // rounds up into the next decade
        { 99999.99999999999, "100000", " 100000" },
    };
    for (const auto &c : cases) {
        EXPECT_EQ(numberText(c.value), c.plain) << c.value;
        EXPECT_EQ(numberTextWithBlank(c.value), c.withBlank) << c.value;
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
