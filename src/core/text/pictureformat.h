// Picture formats: "###.00", "##.0", "###0", "####", "######.###" and the like.
//
// '#' is an optional digit, '0' a required one, '.' the decimal point. Leading
// zeros are suppressed ("##.00" shows .5 as ".50"), a value with no digits to
// show before the point shows none, "####" shows 0 as an empty text while
// "###0" shows "0", and a picture with only '#' after the point keeps a
// trailing point for whole values ("######.###" shows 4 as "4."). Rounding is
// half away from zero on the shortest decimal text that reads back as the
// value (2.675 -> "2.68"), and a value that rounds to zero carries no minus
// sign (-0.004 with "###.00" -> ".00"). Wider values are never truncated.
#pragma once

#include <concepts>
#include <string>
#include <string_view>

namespace tarvik {

std::string formatPicture(double value, std::string_view picture);
// Single-precision values round on their own shortest text (2.675f -> "2.68").
std::string formatPicture(float value, std::string_view picture);
// Whole numbers (formatPicture(5, "##.0")) go through the double overload.
template <std::integral T> std::string formatPicture(T value, std::string_view picture)
{
    return formatPicture(static_cast<double>(value), picture);
}

} // namespace tarvik
