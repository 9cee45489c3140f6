// The plain number text form: shortest round-trip digits limited to the
// precision the value was computed in (15 significant digits for doubles, 7
// for single-precision values), no leading zero, no trailing point. Values
// too large or too small for a readable plain form (decimal exponent at or
// above the digit limit, or below -4) use the "1.5E+20" form.
#include "core/text/numbertext.h"

#include "core/text/decimaldigits.h"

#include <charconv>

namespace tarvik {

namespace {

// "1.5E+20": every significant digit, the exponent with at least two digits.
std::string scientificText(const DecimalDigits &d)
{
    const int exponent = d.pointPosition - 1;
    const int magnitude = exponent < 0 ? -exponent : exponent;
    char buffer[DecimalDigits::kMaxDigits + 16];
    char *out = buffer;
    if (d.negative) {
        *out++ = '-';
    }
    *out++ = d.digits[0];
    if (d.count > 1) {
        *out++ = '.';
        for (int i = 1; i < d.count; ++i) {
            *out++ = d.digits[i];
        }
    }
    *out++ = 'E';
    *out++ = exponent < 0 ? '-' : '+';
    if (magnitude < 10) {
        *out++ = '0';
    }
    out = std::to_chars(out, buffer + sizeof buffer, magnitude).ptr;
    return std::string(buffer, out);
}

std::string layout(const DecimalDigits &d, int significant)
{
    if (!d.finite) {
        return d.nan ? "NaN" : (d.negative ? "-Inf" : "Inf");
    }
    if (d.isZero()) {
        return "0";
    }
    const int exponent = d.pointPosition - 1;
    if (exponent >= significant || exponent < -4) {
        return scientificText(d);
    }
    const int integerDigits = d.integerDigits();
    const int fractionDigits = d.fractionDigits();
    std::string text(static_cast<std::size_t>((d.negative ? 1 : 0) + integerDigits
                         + (fractionDigits > 0 ? 1 + fractionDigits : 0)),
        '0');
    char *out = text.data();
    if (d.negative) {
        *out++ = '-';
    }
    for (int i = 0; i < integerDigits; ++i) {
        *out++ = d.digit(i);
    }
    if (fractionDigits > 0) {
        *out++ = '.';
        for (int i = 0; i < fractionDigits; ++i) {
            *out++ = d.digit(d.pointPosition + i);
        }
    }
    return text;
}

std::string withBlank(std::string text)
{
    if (text.empty() || text.front() != '-')
        text.insert(text.begin(), ' ');
    return text;
}

} // namespace

std::string numberText(double value)
{
    return layout(limitedDigits(value, 15), 15);
}
std::string numberText(float value)
{
    return layout(limitedDigits(value, 7), 7);
}
std::string numberTextWithBlank(double value)
{
    return withBlank(numberText(value));
}
std::string numberTextWithBlank(float value)
{
    return withBlank(numberText(value));
}

} // namespace tarvik
