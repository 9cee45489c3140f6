// The plain text form of a number, as the program writes numbers into boxes,
// messages and files when no picture format applies.
//
// Shortest decimal text that reads back as the same value (15 significant
// digits at most for doubles, 7 for single-precision values), a minus sign
// for negatives, no leading zero before the point (".5", "-.5") and no
// trailing point for whole values ("12"). The "with blank" variants put one
// leading space before a value that is not negative, as messages show them.
// Locale-independent.
#pragma once

#include <concepts>
#include <string>

namespace tarvik {

std::string numberText(double value);
std::string numberText(float value);
std::string numberTextWithBlank(double value);
std::string numberTextWithBlank(float value);
// Whole numbers go through the double overloads.
template <std::integral T> std::string numberText(T value)
{
    return numberText(static_cast<double>(value));
}
template <std::integral T> std::string numberTextWithBlank(T value)
{
    return numberTextWithBlank(static_cast<double>(value));
}

} // namespace tarvik
