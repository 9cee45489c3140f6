// Picture formats. The picture is read as: integer placeholders, an optional
// '.', fraction placeholders. In the integer part every position from the
// first '0' onward is a required digit ("###0" shows 0 as "0", "####" as
// ""); '#' positions show only significant digits, and more digits than
// placeholders are all shown. In the fraction part, positions up to the last
// '0' are always shown, later '#' positions only when their digit is not a
// trailing zero. The point is shown whenever the picture has one, so a whole
// value under "######.###" keeps a trailing point ("4.").
#include "core/text/pictureformat.h"

#include "core/text/decimaldigits.h"

#include <algorithm>

namespace tarvik {

namespace {

struct Picture
{
    bool hasPoint = false;
    std::size_t requiredIntegerDigits = 0;
    std::size_t fractionDigits = 0;
    std::size_t requiredFractionDigits = 0;
};

// One pass: every caption formats a number, so this runs often.
Picture parsePicture(std::string_view picture)
{
    Picture p;
    bool zeroSeen = false;
    for (const char c : picture) {
        const bool placeholder = c == '0' || c == '#';
        if (p.hasPoint) {
            p.fractionDigits += placeholder ? 1 : 0;
            if (c == '0') {
                p.requiredFractionDigits = p.fractionDigits;
            }
        } else if (c == '.') {
            p.hasPoint = true;
        } else {
            zeroSeen = zeroSeen || c == '0';
            p.requiredIntegerDigits += zeroSeen && placeholder ? 1 : 0;
        }
    }
    return p;
}

std::string applyPicture(DecimalDigits digits, const Picture &picture)
{
    if (!digits.finite) {
        return digits.nan ? "NaN" : (digits.negative ? "-Inf" : "Inf");
    }
    roundToDecimals(digits, static_cast<int>(picture.fractionDigits));

    const auto integerDigits = static_cast<std::size_t>(digits.integerDigits());
    const std::size_t integerWidth = std::max(integerDigits, picture.requiredIntegerDigits);
    const std::size_t fractionWidth = std::max(
        static_cast<std::size_t>(digits.fractionDigits()), picture.requiredFractionDigits);
    // A value that rounds to zero shows no minus sign.
    const bool minus = digits.negative && !digits.isZero();

    std::string text(
        (minus ? 1 : 0) + integerWidth + (picture.hasPoint ? 1 + fractionWidth : 0), '0');
    char *out = text.data();
    if (minus) {
        *out++ = '-';
    }
    out += integerWidth - integerDigits; // leading zeros the picture asks for
    for (std::size_t i = 0; i < integerDigits; ++i) {
        *out++ = digits.digit(static_cast<int>(i));
    }
    if (picture.hasPoint) {
        *out++ = '.';
        for (std::size_t i = 0; i < fractionWidth; ++i) {
            *out++ = digits.digit(digits.pointPosition + static_cast<int>(i));
        }
    }
    return text;
}

} // namespace

std::string formatPicture(double value, std::string_view pictureText)
{
    const Picture picture = parsePicture(pictureText);
    // Most values are nowhere near a rounding tie: round them directly and
    // leave the shortest text, the costly part, to the others.
    DecimalDigits digits;
    if (!roundedDigitsDirect(value, static_cast<int>(picture.fractionDigits), digits)) {
        digits = shortestDigits(value);
    }
    return applyPicture(digits, picture);
}

std::string formatPicture(float value, std::string_view pictureText)
{
    return applyPicture(shortestDigits(value), parsePicture(pictureText));
}

} // namespace tarvik
