// Conversion of binary floating-point values to decimal digit strings with
// std::to_chars (locale-independent, exact), and decimal rounding on those
// digits so that a value like 2.675 rounds the way its text reads.
#include "text/decimaldigits.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace tarvik {

namespace {

// Turns "-d.ddde+XX" (std::to_chars scientific output) into digits.
DecimalDigits fromScientific(const char *first, const char *last)
{
    DecimalDigits out;
    if (first != last && *first == '-') {
        out.negative = true;
        ++first;
    }
    std::string mantissa;
    int exponent = 0;
    const char *p = first;
    for (; p != last && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            mantissa.push_back(*p);
    }
    if (p != last) {
        ++p;
        std::from_chars(*p == '+' ? p + 1 : p, last, exponent);
    }
    // mantissa[0] is the digit of 10^exponent.
    if (exponent >= 0) {
        const auto intDigits = static_cast<std::size_t>(exponent) + 1;
        if (mantissa.size() <= intDigits) {
            out.integerPart = mantissa + std::string(intDigits - mantissa.size(), '0');
        } else {
            out.integerPart = mantissa.substr(0, intDigits);
            out.fractionPart = mantissa.substr(intDigits);
        }
    } else {
        out.fractionPart = std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
    }
    const auto firstNonZero = out.integerPart.find_first_not_of('0');
    out.integerPart.erase(
        0, firstNonZero == std::string::npos ? out.integerPart.size() : firstNonZero);
    const auto lastNonZero = out.fractionPart.find_last_not_of('0');
    out.fractionPart.erase(lastNonZero == std::string::npos ? 0 : lastNonZero + 1);
    return out;
}

template <typename T> DecimalDigits nonFinite(T value)
{
    DecimalDigits out;
    out.finite = false;
    out.negative = std::signbit(value) && !std::isnan(value);
    out.integerPart = std::isnan(value) ? "NaN" : "Inf";
    return out;
}

template <typename T> DecimalDigits shortestOf(T value)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    char buffer[64];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    return fromScientific(buffer, result.ptr);
}

template <typename T> DecimalDigits limitedOf(T value, int significant)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    if (significant < 1)
        significant = 1;
    char buffer[64];
    auto result
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    int count = 0;
    for (const char *p = buffer; p != result.ptr && *p != 'e'; ++p)
        count += (*p >= '0' && *p <= '9') ? 1 : 0;
    if (count > significant) {
        result = std::to_chars(
            buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significant - 1);
    }
    return fromScientific(buffer, result.ptr);
}

} // namespace

bool DecimalDigits::isZero() const
{
    if (!finite)
        return false;
    return integerPart.find_first_not_of('0') == std::string::npos
        && fractionPart.find_first_not_of('0') == std::string::npos;
}

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
    if (!digits.finite || decimals < 0)
        return;
    const auto keep = static_cast<std::size_t>(decimals);
    if (digits.fractionPart.size() <= keep) {
        digits.fractionPart.append(keep - digits.fractionPart.size(), '0');
        return;
    }
    const bool roundUp = digits.fractionPart[keep] >= '5';
    digits.fractionPart.resize(keep);
    if (!roundUp)
        return;
    // Carry through the kept fraction digits, then the integer digits.
    std::string all = digits.integerPart + digits.fractionPart;
    std::size_t i = all.size();
    bool carry = true;
    while (carry && i > 0) {
        --i;
        if (all[i] == '9') {
            all[i] = '0';
        } else {
            ++all[i];
            carry = false;
        }
    }
    if (carry)
        all.insert(all.begin(), '1');
    const std::size_t intSize = all.size() - keep;
    digits.integerPart = all.substr(0, intSize);
    digits.fractionPart = all.substr(intSize);
    const auto firstNonZero = digits.integerPart.find_first_not_of('0');
    digits.integerPart.erase(
        0, firstNonZero == std::string::npos ? digits.integerPart.size() : firstNonZero);
}

} // namespace tarvik
