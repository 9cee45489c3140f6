// Locale-independent conversions between binary floating-point values and
// decimal text, with std::to_chars / std::from_chars rules. Where the
// standard library has the floating-point overloads they are used; where it
// does not (the WebAssembly build's library), an exact replacement built on
// the C library's correctly rounded printf and strtod gives the same text and
// reads the same values.
#pragma once

#include <charconv>

namespace tarvik {

// Shortest text that reads back as the same value, as "d.ddde+XX".
std::to_chars_result toCharsScientific(char *first, char *last, double value);
std::to_chars_result toCharsScientific(char *first, char *last, float value);
// Shortest text that reads back as the same value, in fixed notation
// ("-12.5", "300", "0.001") or scientific ("1e+300"), whichever is shorter,
// fixed on a tie: what std::to_chars gives with no format.
std::to_chars_result toCharsShortest(char *first, char *last, double value);
// The exact value rounded to `precision` digits after the first one.
std::to_chars_result toCharsScientific(char *first, char *last, double value, int precision);
std::to_chars_result toCharsScientific(char *first, char *last, float value, int precision);
// The exact value rounded to `precision` decimals, as "-ddd.dd".
std::to_chars_result toCharsFixed(char *first, char *last, double value, int precision);
// Reads "[-]digits[.digits][e[+-]digits]" (also "inf" and "nan"), nothing
// before it; a value beyond double's range gives result_out_of_range.
std::from_chars_result fromChars(const char *first, const char *last, double &value);

// The replacement itself, always built so that it can be checked against
// the standard library where the library has these conversions.
namespace charsfallback {
std::to_chars_result shortest(char *first, char *last, double value);
std::to_chars_result shortest(char *first, char *last, float value);
std::to_chars_result scientific(char *first, char *last, double value, int precision);
std::to_chars_result fixed(char *first, char *last, double value, int precision);
std::from_chars_result read(const char *first, const char *last, double &value);
} // namespace charsfallback

} // namespace tarvik
