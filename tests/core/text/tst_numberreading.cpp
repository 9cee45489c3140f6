// The lenient leading-number rule and the box entry normalisation: fraction
// entry, whole-number rounding and zero denominators.
#include "text/entrytext.h"
#include "text/numberreading.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace tarvik {
namespace {

TEST(ReadNumber, LeadingNumberBlanksIgnored)
{
    const struct
    {
        const char *text;
        double value;
    } cases[] = {
        { "12", 12.0 },
        { "-.5", -0.5 },
        { "+3.25", 3.25 },
        { " 1 2 . 5 ", 12.5 },
        { "\t7\n", 7.0 },
        { "12abc", 12.0 },
        { "abc", 0.0 },
        { "", 0.0 },
        { ".", 0.0 },
        { "-", 0.0 },
        { "5.", 5.0 },
        { "1e3", 1000.0 },
        { "1.5E-2x", 0.015 },
        { "2e", 2.0 },
        { "2e+", 2.0 },
        { "3 4/4", 34.0 },
        { "1,5", 1.0 },
        { "--1", 0.0 },
        { "007.50", 7.5 },
        { "1.2.3", 1.2 },
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(readNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(ReadNumber, OutOfRangeSaturatesOrVanishes)
{
    EXPECT_EQ(readNumber("1e999"), std::numeric_limits<double>::max());
    EXPECT_EQ(readNumber("-1e999"), -std::numeric_limits<double>::max());
    EXPECT_EQ(readNumber("1e-999"), 0.0);
    EXPECT_EQ(readNumber("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(readNumber(std::string(400, '9')), std::numeric_limits<double>::max());
}

struct EntryCase
{
    const char *typed;
    bool wholeOnly;
    const char *shown;
};

TEST(EntryText, FractionsWholeNumbersAndPlainNumbers)
{
    const EntryCase cases[] = {
        { "12 3/4", false, "12.75" },
        { "1\\2", false, ".5" },
        { "1/2", false, ".5" },
        { "-1 1/2", false, "-.5" },
        { "3 4/4", false, "4." },
        { "  12 3/4  ", false, "12.75" },
        { "1/3", false, ".333" },
        { "007.50", false, "7.5" },
        { "12abc", false, "12" },
        { "abc", false, "0" },
        { "-0", false, "0" },
        // Slash before the first space: kept as typed, backslash shown as slash.
        { "1/2 3", false, "1/2 3" },
        { "1\\2 3", false, "1/2 3" },
        // Whole-number entries round half up.
        { "2.5", true, "3" },
        { "-2.5", true, "-2" },
        { "2.49", true, "2" },
        { "7", true, "7" },
    };
    for (const auto &c : cases) {
        const EntryText got = normaliseEntryText(c.typed, c.wholeOnly);
        EXPECT_TRUE(got.ok) << c.typed;
        EXPECT_EQ(got.text, c.shown) << '"' << c.typed << '"';
    }
}

TEST(EntryText, ZeroDenominatorIsRefused)
{
    EXPECT_FALSE(normaliseEntryText("3/0", false).ok);
    EXPECT_FALSE(normaliseEntryText("1 1/", false).ok);
    EXPECT_FALSE(normaliseEntryText("2 5\\x", false).ok);
}

} // namespace
} // namespace tarvik
