// What an input box holds after the user leaves it: fraction entry ("12 3/4"
// becomes "12.75", "1\2" becomes ".5"), whole-number rounding for entries
// that take whole numbers only, and otherwise the number read from the text
// in its plain text form ("007.50" becomes "7.5", "12abc" becomes "12").
// Pure text in, text out, so the main window's validation and its tests share
// one implementation.
#pragma once

#include <string>
#include <string_view>

namespace tarvik {

struct EntryText
{
    bool ok = true; // false: a fraction with a zero denominator (or no finite value)
    std::string text; // the text to put into the box when ok
};

EntryText normaliseEntryText(std::string_view text, bool wholeNumbersOnly);

} // namespace tarvik
