// Conversion of binary floating-point values to decimal digits with
// std::to_chars (locale-independent, exact), and decimal rounding on those
// digits so that a value like 2.675 rounds the way its text reads.
#include "core/text/decimaldigits.h"

#include "core/text/floatchars.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tarvik {

namespace {

// Reads "-d.ddde+XX" (std::to_chars scientific output) into digits.
DecimalDigits fromScientific(const char *first, const char *last)
{
    DecimalDigits out;
    const char *p = first;
    if (p != last && *p == '-') {
        out.negative = true;
        ++p;
    }
    const auto *e
        = static_cast<const char *>(std::memchr(p, 'e', static_cast<std::size_t>(last - p)));
    if (e == nullptr) {
        e = last;
    }
    // The mantissa is one digit, then a point and the other digits if any.
    if (p != e) {
        out.digits[out.count++] = *p;
    }
    if (e - p > 2) {
        const auto more = std::min<std::ptrdiff_t>(e - p - 2, DecimalDigits::kMaxDigits - 1);
        std::memcpy(out.digits + 1, p + 2, static_cast<std::size_t>(more));
        out.count += static_cast<int>(more);
    }
    int exponent = 0;
    p = e;
    if (p != last) {
        ++p;
        const bool negativeExponent = p != last && *p == '-';
        if (p != last && (*p == '-' || *p == '+')) {
            ++p;
        }
        for (; p != last && *p >= '0' && *p <= '9'; ++p) {
            exponent = exponent * 10 + (*p - '0');
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    // Trailing zeros come from a fixed precision; zero itself is "0e+00".
    while (out.count > 0 && out.digits[out.count - 1] == '0') {
        --out.count;
    }
    // The first mantissa digit is the digit of 10^exponent.
    out.pointPosition = out.count > 0 ? exponent + 1 : 0;
    return out;
}

template <typename T> DecimalDigits nonFinite(T value)
{
    DecimalDigits out;
    out.finite = false;
    out.nan = std::isnan(value);
    out.negative = std::signbit(value) && !out.nan;
    return out;
}

template <typename T> DecimalDigits shortestOf(T value)
{
    if (!std::isfinite(value)) {
        return nonFinite(value);
    }
    char buffer[64];
    const auto result = toCharsScientific(buffer, buffer + sizeof buffer, value);
    return fromScientific(buffer, result.ptr);
}

template <typename T> DecimalDigits limitedOf(T value, int significant)
{
    if (!std::isfinite(value)) {
        return nonFinite(value);
    }
    if (significant < 1) {
        significant = 1;
    }
    char buffer[64];
    auto result = toCharsScientific(buffer, buffer + sizeof buffer, value);
    int count = 0;
    for (const char *p = buffer; p != result.ptr && *p != 'e'; ++p) {
        count += (*p >= '0' && *p <= '9') ? 1 : 0;
    }
    if (count > significant) {
        result = toCharsScientific(buffer, buffer + sizeof buffer, value, significant - 1);
    }
    return fromScientific(buffer, result.ptr);
}

} // namespace

DecimalDigits shortestDigits(double value)
{
    return shortestOf(value);
}
DecimalDigits shortestDigits(float value)
{
    return shortestOf(value);
}
DecimalDigits limitedDigits(double value, int significant)
{
    return limitedOf(value, significant);
}
DecimalDigits limitedDigits(float value, int significant)
{
    return limitedOf(value, significant);
}

void roundToDecimals(DecimalDigits &digits, int decimals)
{
    if (!digits.finite || decimals < 0) {
        return;
    }
    // Significant digits that stay; the first dropped one decides.
    const long long keep = static_cast<long long>(digits.pointPosition) + decimals;
    if (keep >= digits.count) {
        return;
    }
    if (keep < 0) {
        digits.count = 0; // every digit lies beyond the first dropped place
        digits.pointPosition = 0;
        return;
    }
    int n = static_cast<int>(keep);
    const bool roundUp = digits.digits[n] >= '5';
    if (!roundUp) {
        while (n > 0 && digits.digits[n - 1] == '0') {
            --n;
        }
        digits.count = n;
        if (n == 0) {
            digits.pointPosition = 0;
        }
        return;
    }
    // Carry: trailing nines become zeros and drop out as trailing zeros.
    while (n > 0 && digits.digits[n - 1] == '9') {
        --n;
    }
    if (n == 0) {
        digits.digits[0] = '1';
        digits.count = 1;
        ++digits.pointPosition;
        return;
    }
    ++digits.digits[n - 1];
    digits.count = n;
}

bool roundedDigitsDirect(double value, int decimals, DecimalDigits &out)
{
    // Scaled values below 2^31 have an absolute error under 1e-6 both from
    // the multiplication and from the distance between the value and its
    // shortest text (each at most 2^-53 of the value); outside 1e-6 of a
    // half both round the same way, so the margin below is safe.
    constexpr double kPowers[] = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9 };
    constexpr double kLimit = 2147483648.0;
    constexpr double kTieMargin = 1e-6;
    if (decimals < 0 || decimals > 9) {
        return false;
    }
    const double scaled = std::fabs(value) * kPowers[decimals];
    if (!(scaled < kLimit)) {
        return false; // too large, or not a number
    }
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole; // exact
    if (std::fabs(fraction - 0.5) <= kTieMargin) {
        return false;
    }
    auto rounded = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1u : 0u);

    DecimalDigits digits;
    digits.negative = std::signbit(value);
    char reversed[DecimalDigits::kMaxDigits];
    int length = 0;
    while (rounded > 0) {
        reversed[length++] = static_cast<char>('0' + rounded % 10);
        rounded /= 10;
    }
    for (int i = 0; i < length; ++i) {
        digits.digits[i] = reversed[length - 1 - i];
    }
    digits.count = length;
    while (digits.count > 0 && digits.digits[digits.count - 1] == '0') {
        --digits.count;
    }
    digits.pointPosition = digits.count > 0 ? length - decimals : 0;
    out = digits;
    return true;
}

} // namespace tarvik
