// Picture formats. The picture is read as: integer placeholders, an optional
// '.', fraction placeholders. In the integer part every position from the
// first '0' onward is a required digit ("###0" shows 0 as "0", "####" as
// ""); '#' positions show only significant digits, and more digits than
// placeholders are all shown. In the fraction part, positions up to the last
// '0' are always shown, later '#' positions only when their digit is not a
// trailing zero. The point is shown whenever the picture has one, so a whole
// value under "######.###" keeps a trailing point ("4.").
#include "text/pictureformat.h"

#include "text/decimaldigits.h"

namespace tarvik {

namespace {

struct Picture
{
    bool hasPoint = false;
    std::size_t requiredIntegerDigits = 0;
    std::size_t fractionDigits = 0;
    std::size_t requiredFractionDigits = 0;
};

Picture parsePicture(std::string_view picture)
{
    Picture p;
    const auto point = picture.find('.');
    p.hasPoint = point != std::string_view::npos;
    const std::string_view integer = picture.substr(0, point);
    const auto firstZero = integer.find('0');
    if (firstZero != std::string_view::npos) {
        for (std::size_t i = firstZero; i < integer.size(); ++i)
            p.requiredIntegerDigits += (integer[i] == '0' || integer[i] == '#') ? 1 : 0;
    }
    if (p.hasPoint) {
        const std::string_view fraction = picture.substr(point + 1);
        for (std::size_t i = 0; i < fraction.size(); ++i) {
            if (fraction[i] == '0' || fraction[i] == '#')
                ++p.fractionDigits;
            if (fraction[i] == '0')
                p.requiredFractionDigits = p.fractionDigits;
        }
    }
    return p;
}

std::string applyPicture(DecimalDigits digits, std::string_view pictureText)
{
    if (!digits.finite)
        return (digits.negative ? "-" : "") + digits.integerPart;
    const Picture picture = parsePicture(pictureText);
    roundToDecimals(digits, static_cast<int>(picture.fractionDigits));

    std::string fraction = digits.fractionPart;
    while (fraction.size() > picture.requiredFractionDigits && fraction.back() == '0')
        fraction.pop_back();
    std::string integer = digits.integerPart;
    if (integer.size() < picture.requiredIntegerDigits)
        integer.insert(0, picture.requiredIntegerDigits - integer.size(), '0');

    std::string text;
    // A value that rounds to zero shows no minus sign.
    if (digits.negative && !digits.isZero())
        text += '-';
    text += integer;
    if (picture.hasPoint)
        text += '.' + fraction;
    return text;
}

} // namespace

std::string formatPicture(double value, std::string_view picture)
{
    return applyPicture(shortestDigits(value), picture);
}

std::string formatPicture(float value, std::string_view picture)
{
    return applyPicture(shortestDigits(value), picture);
}

} // namespace tarvik
