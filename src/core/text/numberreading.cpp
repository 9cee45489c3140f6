// The lenient leading-number rule used for every text a calculation reads:
// blanks, tabs and line feeds are dropped wherever they are, then the longest
// leading "[sign] digits [. digits] [E [sign] digits]" is read. Nothing
// readable gives 0; a value beyond the double range saturates at the largest
// finite double so that no infinity reaches the geometry.
#include "core/text/numberreading.h"

#include "core/text/floatchars.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace tarvik {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whole numbers below 10^15 and these powers of ten are exact doubles.
constexpr std::size_t kExactDigits = 15;
constexpr double kPowersOfTen[kExactDigits + 1]
    = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15 };

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// The decimal exponent of the first significant digit of a well-formed
// number text (used only to tell an overflow from an underflow).
long long decimalMagnitude(std::string_view number)
{
    const auto ePos = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, ePos);
    long long exponent = 0;
    if (ePos != std::string_view::npos) {
        std::string_view e = number.substr(ePos + 1);
        const bool negative = !e.empty() && e.front() == '-';
        if (!e.empty() && (e.front() == '-' || e.front() == '+'))
            e.remove_prefix(1);
        for (const char c : e) {
            exponent = exponent * 10 + (c - '0');
            if (exponent > 100000)
                break;
        }
        if (negative)
            exponent = -exponent;
    }
    const auto point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const auto firstWhole = whole.find_first_not_of('0');
    if (firstWhole != std::string_view::npos)
        return static_cast<long long>(whole.size() - firstWhole) - 1 + exponent;
    if (point == std::string_view::npos)
        return exponent - 1;
    const std::string_view fraction = mantissa.substr(point + 1);
    const auto firstFraction = fraction.find_first_not_of('0');
    return -static_cast<long long>(firstFraction) - 1 + exponent;
}

} // namespace

bool hasLeadingNumber(std::string_view text)
{
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    skipBlanks();
    if (i < text.size() && text[i] == '.') {
        ++i;
        skipBlanks();
    }
    return i < text.size() && isDigit(text[i]);
}

double readNumber(std::string_view text)
{
    // Most texts have no blanks: read them in place, without a copy.
    std::string stripped;
    std::string_view s = text;
    if (std::any_of(text.begin(), text.end(), isBlank)) {
        stripped.reserve(text.size() < 64 ? text.size() : 64);
        for (const char c : text) {
            if (!isBlank(c))
                stripped.push_back(c);
        }
        s = stripped;
    }
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    std::size_t mantissaDigits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++mantissaDigits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return 0.0;
    std::size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            end = j;
        }
    }
    if (end == i && mantissaDigits <= kExactDigits) {
        // Up to 15 digits and no exponent: the digits make an exact whole
        // number and the power of ten is exact, so one division gives the
        // correctly rounded value, the same as from_chars, much faster.
        std::uint64_t whole = 0;
        int fractionDigits = 0;
        bool fraction = false;
        for (std::size_t k = start; k < end; ++k) {
            if (s[k] == '.') {
                fraction = true;
                continue;
            }
            whole = whole * 10 + static_cast<std::uint64_t>(s[k] - '0');
            fractionDigits += fraction ? 1 : 0;
        }
        const double value = static_cast<double>(whole) / kPowersOfTen[fractionDigits];
        return negative ? -value : value;
    }
    double value = 0.0;
    const auto result = fromChars(s.data() + start, s.data() + end, value);
    if (result.ec == std::errc::result_out_of_range)
        value = decimalMagnitude(s.substr(start, end - start)) < 0
            ? 0.0
            : std::numeric_limits<double>::max();
    else if (result.ec != std::errc())
        value = 0.0;
    return negative ? -value : value;
}

std::optional<double> readSixDecimals(double value)
{
    const double a = std::fabs(value);
    // Below 10^8 the text has at most fifteen digits: the reading divides.
    if (!(a < 1e8)) {
        return std::nullopt;
    }
    // a * 10^6 is exactly p + err. The text rounds the exact value to a
    // whole number; the sign of (p - n - 0.5) + err, a sum of two doubles,
    // is the sign of its exact value, so the rounding is decided exactly.
    const double p = a * 1e6;
    const double err = std::fma(a, 1e6, -p);
    double n = std::floor(p);
    const double beyondHalf = ((p - n) - 0.5) + err;
    if (beyondHalf > 0 || (beyondHalf == 0 && std::fmod(n, 2.0) != 0)) {
        n += 1;
    }
    const double read = n / kPowersOfTen[6];
    return std::signbit(value) ? -read : read;
}

} // namespace tarvik
