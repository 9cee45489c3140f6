// The floating-point text conversions: fixed cases and the round-trip
// property in every build; where the standard library has the conversions,
// the replacement must give exactly the library's text and values on random
// bit patterns, powers of two (whose lower gap is half the upper one),
// decimal-looking values and awkward strings.
#include "core/text/floatchars.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace tarvik {
namespace {

template <typename T> std::string shortestText(T value)
{
    char buffer[64];
    const auto result = toCharsScientific(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string fixedText(double value, int precision)
{
    char buffer[512];
    const auto result = toCharsFixed(buffer, buffer + sizeof buffer, value, precision);
    return result.ec == std::errc() ? std::string(buffer, result.ptr) : "too large";
}

double read(
    const std::string &text, std::errc expected = std::errc(), std::size_t used = std::string::npos)
{
    double value = -7.0;
    const auto result = fromChars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(result.ec, expected) << text;
    EXPECT_EQ(static_cast<std::size_t>(result.ptr - text.data()),
        used != std::string::npos ? used : text.size())
        << text;
    return value;
}

double randomDouble(std::mt19937_64 &random)
{
    double value;
    do {
        const std::uint64_t bits = random();
        std::memcpy(&value, &bits, sizeof value);
    } while (!std::isfinite(value));
    return value;
}

TEST(FloatChars, GivesTheLibrarysTextsForKnownValues)
{
    EXPECT_EQ(shortestText(0.1), "1e-01");
    EXPECT_EQ(shortestText(-2.675), "-2.675e+00");
    EXPECT_EQ(shortestText(0.0), "0e+00");
    EXPECT_EQ(shortestText(-0.0), "-0e+00");
    EXPECT_EQ(shortestText(1e300), "1e+300");
    EXPECT_EQ(shortestText(5e-324), "5e-324");
    EXPECT_EQ(shortestText(9007199254740993.0), "9.007199254740992e+15");
    EXPECT_EQ(shortestText(0.3f), "3e-01");
    EXPECT_EQ(shortestText(16777217.0f), "1.6777216e+07");
    EXPECT_EQ(fixedText(2.675, 2), "2.67"); // the binary value lies below the half
    EXPECT_EQ(fixedText(0.125, 2), "0.12"); // an exact tie goes to even
    EXPECT_EQ(fixedText(-0.001, 2), "-0.00");
    EXPECT_EQ(fixedText(1.0 / 3.0, 6), "0.333333");
    EXPECT_EQ(fixedText(1e22, 2), "10000000000000000000000.00");
    char small[4];
    EXPECT_EQ(toCharsFixed(small, small + sizeof small, 12345.0, 2).ec, std::errc::value_too_large);
}

TEST(FloatChars, ReadsWhatTheLibraryReads)
{
    EXPECT_EQ(read("2.675"), 2.675);
    EXPECT_EQ(read("-.5"), -0.5);
    EXPECT_EQ(read("7."), 7.0);
    EXPECT_EQ(read("1E3"), 1000.0);
    EXPECT_EQ(read("2.5e", std::errc(), 3), 2.5); // an exponent without digits is not read
    EXPECT_EQ(read("1e+x", std::errc(), 1), 1.0);
    EXPECT_EQ(read("0.1000000000000000055511151231257827"), 0.1);
    EXPECT_EQ(read("1e-310"), 1e-310); // subnormal, still in range
    EXPECT_EQ(read("0e-999"), 0.0);
    EXPECT_TRUE(std::isinf(read("-inf")));
    read("1e400", std::errc::result_out_of_range);
    read("1e-400", std::errc::result_out_of_range);
    read("+1", std::errc::invalid_argument, 0);
    read(" 1", std::errc::invalid_argument, 0);
    read(".", std::errc::invalid_argument, 0);
}

TEST(FloatChars, ShortestTextReadsBackAndNoShorterOneDoes)
{
    std::mt19937_64 random(20);
    for (int i = 0; i < 3000; ++i) {
        const double value = i % 3 == 0 ? std::ldexp(1.0, i % 2000 - 1000) : randomDouble(random);
        const std::string text = shortestText(value);
        EXPECT_EQ(read(text), value) << text;
        const auto digits = text.find('e') - (text[0] == '-' ? 1 : 0) - (text[1] == '.' ? 1 : 0);
        if (digits > 2) {
            char buffer[64];
            const int precision = static_cast<int>(digits) - 3; // one digit fewer
            const auto shorter = toCharsScientific(buffer, buffer + 64, value, precision);
            EXPECT_NE(read(std::string(buffer, shorter.ptr)), value) << text;
        }
    }
}

#if defined(__cpp_lib_to_chars)
TEST(FloatChars, ReplacementMatchesTheLibraryExactly)
{
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> decimals(0, 8);
    char mine[512];
    char theirs[512];
    const auto same = [&](std::to_chars_result a, std::to_chars_result b) {
        return std::string(mine, a.ptr) == std::string(theirs, b.ptr);
    };
    for (int i = 0; i < 20000; ++i) {
        double value = randomDouble(random);
        if (i % 4 == 1) {
            value = std::ldexp(1.0, i % 2100 - 1075); // powers of two, subnormals too
        } else if (i % 4 == 2) {
            value = static_cast<double>(static_cast<std::int64_t>(random() % 2000000) - 1000000)
                / std::pow(10.0, decimals(random));
        }
        const auto f = static_cast<float>(value);
        ASSERT_TRUE(same(charsfallback::shortest(mine, mine + 512, value),
            std::to_chars(theirs, theirs + 512, value, std::chars_format::scientific)))
            << mine;
        if (std::isfinite(f)) {
            ASSERT_TRUE(same(charsfallback::shortest(mine, mine + 512, f),
                std::to_chars(theirs, theirs + 512, f, std::chars_format::scientific)))
                << mine;
        }
        ASSERT_TRUE(same(
            toCharsShortest(mine, mine + 512, value), std::to_chars(theirs, theirs + 512, value)))
            << mine;
        const int precision = decimals(random);
        ASSERT_TRUE(same(charsfallback::scientific(mine, mine + 512, value, precision),
            std::to_chars(theirs, theirs + 512, value, std::chars_format::scientific, precision)));
        if (std::fabs(value) < 1e100) {
            ASSERT_TRUE(same(charsfallback::fixed(mine, mine + 512, value, precision),
                std::to_chars(theirs, theirs + 512, value, std::chars_format::fixed, precision)));
        }
        const std::string text(theirs, std::to_chars(theirs, theirs + 512, value).ptr);
        double a = 0.0;
        double b = 0.0;
        charsfallback::read(text.data(), text.data() + text.size(), a);
        std::from_chars(text.data(), text.data() + text.size(), b);
        ASSERT_EQ(a, b) << text;
    }
    for (const char *text :
        { "1e400", "1e-400", "1e-320", "-0", "12.5e", ".e1", "-", "00.10e-0x" }) {
        double a = 0.0;
        double b = 0.0;
        const auto ra = charsfallback::read(text, text + std::strlen(text), a);
        const auto rb = std::from_chars(text, text + std::strlen(text), b);
        EXPECT_EQ(ra.ec, rb.ec) << text;
        EXPECT_EQ(ra.ptr, rb.ptr) << text;
        if (rb.ec == std::errc()) {
            EXPECT_EQ(std::signbit(a), std::signbit(b)) << text;
            EXPECT_EQ(a, b) << text;
        }
    }
}
#endif

} // namespace
} // namespace tarvik
