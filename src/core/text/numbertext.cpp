// The plain number text form: shortest round-trip digits limited to the
// precision the value was computed in (15 significant digits for doubles, 7
// for single-precision values), no leading zero, no trailing point. Values
// too large or too small for a readable plain form (decimal exponent at or
// above the digit limit, or below -4) use the "1.5E+20" form.
#include "text/numbertext.h"

#include "text/decimaldigits.h"

namespace tarvik {

namespace {

std::string scientificText(const DecimalDigits &d)
{
    // Collect all significant digits and the decimal exponent of the first.
    std::string all = d.integerPart + d.fractionPart;
    int exponent = static_cast<int>(d.integerPart.size()) - 1;
    const auto first = all.find_first_not_of('0');
    all.erase(0, first);
    if (d.integerPart.empty())
        exponent = -static_cast<int>(first) - 1;
    const auto last = all.find_last_not_of('0');
    all.erase(last + 1);
    std::string text = d.negative ? "-" : "";
    text += all.substr(0, 1);
    if (all.size() > 1)
        text += "." + all.substr(1);
    text += exponent < 0 ? "E-" : "E+";
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10)
        text += '0';
    text += std::to_string(magnitude);
    return text;
}

std::string layout(const DecimalDigits &d, int significant)
{
    if (!d.finite)
        return (d.negative ? "-" : "") + d.integerPart;
    if (d.isZero())
        return "0";
    int exponent = static_cast<int>(d.integerPart.size()) - 1;
    if (d.integerPart.empty())
        exponent = -static_cast<int>(d.fractionPart.find_first_not_of('0')) - 1;
    if (exponent >= significant || exponent < -4)
        return scientificText(d);
    std::string text = d.negative ? "-" : "";
    text += d.integerPart;
    if (!d.fractionPart.empty())
        text += "." + d.fractionPart;
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
