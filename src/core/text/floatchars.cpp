// The floating-point conversions of floatchars.h. The replacement for a
// library without them relies on printf's "%.*e" and "%.*f" giving the
// exactly rounded digits of the binary value (ties to even, as to_chars) and
// strtod/strtof reading correctly rounded values, which the C libraries of
// both builds do; the "C" locale is the only one either build runs in.
#include "core/text/floatchars.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <system_error>

namespace tarvik {

namespace charsfallback {

namespace {

std::to_chars_result copyOut(char *first, char *last, const char *text, int length)
{
    if (length < 0 || length > last - first) {
        return { last, std::errc::value_too_large };
    }
    std::memcpy(first, text, static_cast<std::size_t>(length));
    return { first + length, std::errc() };
}

double readBack(const char *text, double)
{
    return std::strtod(text, nullptr);
}
float readBack(const char *text, float)
{
    return std::strtof(text, nullptr);
}

// Moves "[-]d.ddde[+-]XX" one unit of its last digit away from zero (up) or
// toward it; the other decimal neighbour of a value whose nearest text does
// not read back (the gap below a power of two is half the gap above it).
std::string stepLastDigit(const char *text, bool up)
{
    std::string s(text);
    const std::size_t e = s.find('e');
    const std::size_t begin = s[0] == '-' ? 1 : 0;
    int exponent = std::atoi(s.c_str() + e + 1);
    std::string digits;
    for (std::size_t i = begin; i < e; ++i) {
        if (s[i] != '.') {
            digits += s[i];
        }
    }
    std::size_t i = digits.size();
    if (up) {
        while (i > 0 && digits[i - 1] == '9') {
            digits[--i] = '0';
        }
        if (i == 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        } else {
            ++digits[i - 1];
        }
    } else {
        while (i > 0 && digits[i - 1] == '0') {
            digits[--i] = '9';
        }
        if (i > 0) {
            --digits[i - 1];
        }
        if (digits[0] == '0') { // 1.00 down is 9.99 of the next lower decade
            digits.assign(digits.size(), '9');
            --exponent;
        }
    }
    std::string out = begin == 1 ? "-" : "";
    out += digits[0];
    if (digits.size() > 1) {
        out += '.';
        out.append(digits, 1);
    }
    char tail[16];
    std::snprintf(tail, sizeof tail, "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return out + tail;
}

template <typename T> std::to_chars_result shortestOf(char *first, char *last, T value, int most)
{
    char text[64];
    if (!std::isfinite(value)) {
        const int n = std::snprintf(text, sizeof text, "%e", static_cast<double>(value));
        return copyOut(first, last, text, n);
    }
    for (int precision = 0; precision < most; ++precision) {
        const int n
            = std::snprintf(text, sizeof text, "%.*e", precision, static_cast<double>(value));
        const T back = readBack(text, value);
        if (back == value) {
            return copyOut(first, last, text, n);
        }
        const bool up = (back < value) != std::signbit(value);
        const std::string other = stepLastDigit(text, up);
        if (readBack(other.c_str(), value) == value) {
            return copyOut(first, last, other.c_str(), static_cast<int>(other.size()));
        }
    }
    const int n = std::snprintf(text, sizeof text, "%.*e", most, static_cast<double>(value));
    return copyOut(first, last, text, n);
}

std::to_chars_result printed(
    char *first, char *last, const char *format, double value, int precision)
{
    char text[128];
    const int n = std::snprintf(text, sizeof text, format, precision, value);
    if (n >= 0 && static_cast<std::size_t>(n) < sizeof text) {
        return copyOut(first, last, text, n);
    }
    if (n < 0) {
        return { last, std::errc::value_too_large };
    }
    std::string large(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(large.data(), large.size(), format, precision, value);
    return copyOut(first, last, large.c_str(), n);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool startsWithWord(const char *p, const char *last, const char *word)
{
    for (; *word != '\0'; ++word, ++p) {
        if (p == last || (*p | 0x20) != *word) {
            return false;
        }
    }
    return true;
}

} // namespace

std::to_chars_result shortest(char *first, char *last, double value)
{
    return shortestOf(first, last, value, 16);
}
std::to_chars_result shortest(char *first, char *last, float value)
{
    return shortestOf(first, last, value, 8);
}
std::to_chars_result scientific(char *first, char *last, double value, int precision)
{
    return printed(first, last, "%.*e", value, precision);
}
std::to_chars_result fixed(char *first, char *last, double value, int precision)
{
    return printed(first, last, "%.*f", value, precision);
}

std::from_chars_result read(const char *first, const char *last, double &value)
{
    const char *p = first;
    const bool negative = p != last && *p == '-';
    p += negative ? 1 : 0;
    if (startsWithWord(p, last, "inf")) {
        value = negative ? -HUGE_VAL : HUGE_VAL;
        return { p + (startsWithWord(p, last, "infinity") ? 8 : 3), std::errc() };
    }
    if (startsWithWord(p, last, "nan")) {
        value = negative ? -std::nan("") : std::nan("");
        return { p + 3, std::errc() };
    }
    bool anyDigit = false;
    bool nonZero = false;
    for (; p != last && isDigit(*p); ++p) {
        anyDigit = true;
        nonZero = nonZero || *p != '0';
    }
    if (p != last && *p == '.') {
        for (++p; p != last && isDigit(*p); ++p) {
            anyDigit = true;
            nonZero = nonZero || *p != '0';
        }
    }
    if (!anyDigit) {
        return { first, std::errc::invalid_argument };
    }
    if (p != last && (*p == 'e' || *p == 'E')) {
        const char *q = p + 1;
        q += (q != last && (*q == '+' || *q == '-')) ? 1 : 0;
        if (q != last && isDigit(*q)) {
            for (p = q; p != last && isDigit(*p); ++p) { }
        }
    }
    const std::string text(first, p);
    const double parsed = std::strtod(text.c_str(), nullptr);
    if (std::isinf(parsed) || (parsed == 0.0 && nonZero)) {
        return { p, std::errc::result_out_of_range };
    }
    value = parsed;
    return { p, std::errc() };
}

} // namespace charsfallback

std::to_chars_result toCharsShortest(char *first, char *last, double value)
{
    char scientific[64];
    const auto [end, ec] = toCharsScientific(scientific, scientific + sizeof scientific, value);
    if (ec != std::errc()) {
        return { last, ec };
    }
    const std::string_view text(scientific, static_cast<std::size_t>(end - scientific));
    const std::size_t e = text.find('e');
    std::string out;
    if (e == std::string_view::npos) {
        out = text; // inf, nan
    } else {
        const bool negative = text.front() == '-';
        std::string digits;
        for (const char c : text.substr(negative ? 1 : 0, e - (negative ? 1 : 0))) {
            if (c != '.') {
                digits += c;
            }
        }
        const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
        const int n = static_cast<int>(digits.size());
        std::string fixed;
        if (exponent >= n - 1) {
            // A whole number: fixed notation shows its exact digits, which
            // past 2^53 are not the shortest digits followed by zeros.
            char whole[400];
            const int length = std::snprintf(whole, sizeof whole, "%.0f", std::fabs(value));
            fixed.assign(whole, static_cast<std::size_t>(std::max(length, 0)));
        } else if (exponent >= 0) {
            fixed = digits.substr(0, static_cast<std::size_t>(exponent + 1)) + '.'
                + digits.substr(static_cast<std::size_t>(exponent + 1));
        } else {
            fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        }
        const std::size_t scientificLength = text.size() - (negative ? 1 : 0);
        out = std::string(negative ? "-" : "")
            + (fixed.size() <= scientificLength ? fixed
                                                : std::string(text.substr(negative ? 1 : 0)));
    }
    if (static_cast<std::size_t>(last - first) < out.size()) {
        return { last, std::errc::value_too_large };
    }
    return { std::copy(out.begin(), out.end(), first), std::errc() };
}

#if defined(__cpp_lib_to_chars)

std::to_chars_result toCharsScientific(char *first, char *last, double value)
{
    return std::to_chars(first, last, value, std::chars_format::scientific);
}
std::to_chars_result toCharsScientific(char *first, char *last, float value)
{
    return std::to_chars(first, last, value, std::chars_format::scientific);
}
std::to_chars_result toCharsScientific(char *first, char *last, double value, int precision)
{
    return std::to_chars(first, last, value, std::chars_format::scientific, precision);
}
std::to_chars_result toCharsScientific(char *first, char *last, float value, int precision)
{
    return std::to_chars(first, last, value, std::chars_format::scientific, precision);
}
std::to_chars_result toCharsFixed(char *first, char *last, double value, int precision)
{
    return std::to_chars(first, last, value, std::chars_format::fixed, precision);
}
std::from_chars_result fromChars(const char *first, const char *last, double &value)
{
    return std::from_chars(first, last, value);
}

#else

std::to_chars_result toCharsScientific(char *first, char *last, double value)
{
    return charsfallback::shortest(first, last, value);
}
std::to_chars_result toCharsScientific(char *first, char *last, float value)
{
    return charsfallback::shortest(first, last, value);
}
std::to_chars_result toCharsScientific(char *first, char *last, double value, int precision)
{
    return charsfallback::scientific(first, last, value, precision);
}
std::to_chars_result toCharsScientific(char *first, char *last, float value, int precision)
{
    return charsfallback::scientific(first, last, static_cast<double>(value), precision);
}
std::to_chars_result toCharsFixed(char *first, char *last, double value, int precision)
{
    return charsfallback::fixed(first, last, value, precision);
}
std::from_chars_result fromChars(const char *first, const char *last, double &value)
{
    return charsfallback::read(first, last, value);
}

#endif

} // namespace tarvik
