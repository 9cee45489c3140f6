// Reading numbers out of the texts users type and the program stores.
//
// Every input box, caption and stored text that a calculation needs is read
// with the same lenient rule: blanks, tabs and line feeds anywhere are
// ignored, the number is the longest leading part that reads as a decimal
// number (optional sign, digits, point, exponent), and a text with no leading
// number reads as 0. Locale-independent: the decimal symbol is always '.'.
#pragma once

#include <optional>
#include <string_view>

namespace tarvik {

double readNumber(std::string_view text);
// Whether the rule above finds a number at the start of the text at all
// ("12abc" and " -.5" do; "abc", "-", "." and "x12" do not).
bool hasLeadingNumber(std::string_view text);

// What readNumber gives for value written with six decimals (std::to_chars,
// fixed, precision 6), made without the text: the value rounded to whole
// millionths, ties to even, then divided as the reading divides. Empty for
// values whose text the reading would take another way (not finite, or
// more than fifteen digits).
std::optional<double> readSixDecimals(double value);

} // namespace tarvik
