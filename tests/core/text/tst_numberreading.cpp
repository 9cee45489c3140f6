// The lenient leading-number rule (including the exact reading of long and
// short digit runs) and the box entry normalisation: fraction entry,
// whole-number rounding and zero denominators.
#include "core/text/entrytext.h"
#include "core/text/numberreading.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace tarvik {
namespace {

TEST(ReadNumber, LeadingNumberBlanksIgnored)
{
    const std::pair<const char *, double> cases[] = { { "12", 12.0 }, { "-.5", -0.5 },
        { "+3.25", 3.25 }, { " 1 2 . 5 ", 12.5 }, { "\t7\n", 7.0 }, { "12abc", 12.0 },
        { "abc", 0.0 }, { "", 0.0 }, { ".", 0.0 }, { "-", 0.0 }, { "5.", 5.0 }, { "1e3", 1000.0 },
        { "1.5E-2x", 0.015 }, { "2e", 2.0 }, { "2e+", 2.0 }, { "3 4/4", 34.0 }, { "1,5", 1.0 },
        { "--1", 0.0 }, { "007.50", 7.5 }, { "1.2.3", 1.2 } };
    for (const auto &[text, value] : cases)
        EXPECT_DOUBLE_EQ(readNumber(text), value) << '"' << text << '"';
    // Whether a number is there at all: "abc" and "0" both read as 0.
    const std::pair<const char *, bool> found[] = { { "12abc", true }, { " -.5", true },
        { "- . 5", true }, { "0", true }, { "+0.0x", true }, { "abc", false }, { "-", false },
        { ".", false }, { "x12", false }, { "", false }, { " \t", false }, { "--1", false },
        { "-.e5", false }, { "/2", false } };
    for (const auto &[text, expected] : found)
        EXPECT_EQ(hasLeadingNumber(text), expected) << '"' << text << '"';
}

TEST(ReadNumber, OutOfRangeSaturatesOrVanishes)
{
    EXPECT_EQ(readNumber("1e999"), std::numeric_limits<double>::max());
    EXPECT_EQ(readNumber("-1e999"), -std::numeric_limits<double>::max());
    EXPECT_EQ(readNumber("1e-999"), 0.0);
    EXPECT_EQ(readNumber("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(readNumber(std::string(400, '9')), std::numeric_limits<double>::max());
}

TEST(ReadNumber, ShortAndLongDigitRunsReadAsCorrectlyRounded)
{
    // Up to 15 digits take a shortcut; every length and point position must
    // still give the correctly rounded double, bit for bit.
    std::uint64_t seed = 99;
    const auto next = [&seed]() {
        seed = seed * 6364136223846793005ull + 1442695040888963407ull;
        return seed >> 33;
    };
    for (int round = 0; round < 20000; ++round) {
        std::string digits;
        const auto length = 1 + next() % 18;
        for (std::uint64_t k = 0; k < length; ++k) {
            digits.push_back(static_cast<char>('0' + next() % 10));
        }
        digits.insert(next() % (digits.size() + 1), 1, '.');
        const std::string text = (next() % 2 == 0 ? "-" : "") + digits;
        const double expected = std::strtod(text.c_str(), nullptr);
        const double got = readNumber(text);
        ASSERT_EQ(std::memcmp(&got, &expected, sizeof got), 0) << text;
    }
    // Tie-breaking cases where a shortcut would round twice.
    for (const char *text : { "9007199254740993", "0.30000000000000004", "123456789012345.6",
             "1.00000000000000011", ".000000000000001" }) {
        EXPECT_EQ(readNumber(text), std::strtod(text, nullptr)) << text;
    }
}

TEST(ReadNumber, SixDecimalsWithoutTheTextReadAsTheTextDoes)
{
    // Exact halves of a millionth (k/128 thousandths) round to even, as the
    // text does; random values, tiny ones, signed zeros and the largest
    // values taken must all read back bit for bit as their text.
    std::uint64_t seed = 7;
    const auto next = [&seed]() {
        seed = seed * 6364136223846793005ull + 1442695040888963407ull;
        return seed >> 11;
    };
    std::vector<double> values { 0.0, -0.0, 0.5e-6, 1.5e-6, 2.5e-6, -2.5e-6, 1e-300,
        99999999.9999995, 14.0078125, 0.0000005 };
    for (int round = 0; round < 20000; ++round) {
        const auto k = static_cast<double>(next() % 100000000) - 5e7;
        values.push_back(k / 128.0 / 1000.0);
        values.push_back(k * 1e-7);
        values.push_back(std::ldexp(static_cast<double>(next()), -static_cast<int>(next() % 80)));
    }
    for (const double value : values) {
        char buffer[64];
        const auto end
            = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6).ptr;
        const std::optional<double> read = readSixDecimals(value);
        if (std::fabs(value) >= 1e8) {
            EXPECT_FALSE(read) << value;
            continue;
        }
        const double expected = readNumber(std::string_view(buffer, end));
        ASSERT_TRUE(read) << value;
        ASSERT_EQ(std::memcmp(&*read, &expected, sizeof expected), 0) << value;
    }
    EXPECT_FALSE(readSixDecimals(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(readSixDecimals(std::numeric_limits<double>::infinity()));
}

TEST(EntryText, FractionsWholeNumbersAndPlainNumbers)
{
    const struct
    {
        const char *typed;
        bool wholeOnly;
        const char *shown;
    } cases[] = { { "12 3/4", false, "12.75" }, { "1\\2", false, ".5" }, { "1/2", false, ".5" },
        { "-1 1/2", false, "-.5" }, { "3 4/4", false, "4." }, { "  12 3/4  ", false, "12.75" },
        { "1/3", false, ".333" }, { "007.50", false, "7.5" }, { "12abc", false, "12" },
        { "abc", false, "0" }, { "-0", false, "0" },
        // Slash before the first space: kept as typed, backslash shown as slash.
        { "1/2 3", false, "1/2 3" }, { "1\\2 3", false, "1/2 3" },
        // Whole-number entries round half up.
        { "2.5", true, "3" }, { "-2.5", true, "-2" }, { "2.49", true, "2" }, { "7", true, "7" } };
    for (const auto &c : cases) {
        const EntryText got = normaliseEntryText(c.typed, c.wholeOnly);
        EXPECT_TRUE(got.ok) << c.typed;
        EXPECT_EQ(got.text, c.shown) << '"' << c.typed << '"';
    }
    for (const char *zero : { "3/0", "1 1/", "2 5\\x" }) // a zero denominator is refused
        EXPECT_FALSE(normaliseEntryText(zero, false).ok) << zero;
}

} // namespace
} // namespace tarvik
