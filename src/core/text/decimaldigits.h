// The decimal digits of a binary floating-point value, as a string of digits
// and the position of the decimal point, so that the number text form and the
// picture formats can round and lay out numbers without going through the C
// library's locale-dependent printf.
#pragma once

#include <string>

namespace tarvik {

struct DecimalDigits
{
    bool negative = false;
    std::string integerPart; // no leading zeros; empty for values below 1
    std::string fractionPart; // as many digits as the value needs
    bool finite = true;

    bool isZero() const;
};

// The shortest text that reads back as the same value (std::to_chars rules).
DecimalDigits shortestDigits(double value);
DecimalDigits shortestDigits(float value);
// At most `significant` significant digits, the shortest that reads back as
// the same value when that is possible within the limit, else rounded to it.
DecimalDigits limitedDigits(double value, int significant);
DecimalDigits limitedDigits(float value, int significant);

// Rounds half away from zero to `decimals` fraction digits (the sign is kept
// on the magnitude, so -2.675 gives -2.68).
void roundToDecimals(DecimalDigits &digits, int decimals);

} // namespace tarvik
