// The decimal digits of a binary floating-point value, as a short run of
// significant digits and the position of the decimal point, so that the
// number text form and the picture formats can round and lay out numbers
// without going through the C library's locale-dependent printf.
//
// Everything is held in a fixed buffer: formatting a number allocates
// nothing until its final text is built.
#pragma once

namespace tarvik {

struct DecimalDigits
{
    // A double's shortest round-trip text has at most 17 significant digits.
    static constexpr int kMaxDigits = 20;

    bool negative = false;
    bool finite = true;
    bool nan = false; // with finite == false: NaN rather than an infinity
    // Significant digits d1 d2 ... dn as characters, with no leading and no
    // trailing zeros (none at all for zero). The value is
    // 0.d1d2...dn x 10^pointPosition.
    char digits[kMaxDigits] {};
    int count = 0;
    int pointPosition = 0;

    bool isZero() const { return finite && count == 0; }
    // Digit i counted from the first significant one; '0' outside them, so
    // digit(pointPosition + k) is the k-th fraction digit for any k >= 0.
    char digit(int i) const { return i >= 0 && i < count ? digits[i] : '0'; }
    // Digits shown before the point in the plain form (0 below 1).
    int integerDigits() const { return count > 0 && pointPosition > 0 ? pointPosition : 0; }
    // Fraction digits up to the last significant one.
    int fractionDigits() const
    {
        return count > 0 && count > pointPosition ? count - pointPosition : 0;
    }
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

// The same digits as roundToDecimals(shortestDigits(value), decimals), found
// without the shortest text: |value| x 10^decimals rounded to the nearest
// whole number. That can differ from rounding the shortest text only when
// the scaled value lies within a few units of 1e-16 of its own size from a
// half (2.675 is stored just below 2.675, its text is exactly 2.675), so
// values that close, and large ones, are refused: false, out unchanged.
bool roundedDigitsDirect(double value, int decimals, DecimalDigits &out);

} // namespace tarvik
