// The check a main-window input box makes when it loses the focus, as a pure
// function: skip (empty box, unused arm), or the text to show and whether it
// is accepted, with the warning to show when it is refused.
#pragma once

#include "core/layout/fieldinfo.h"

#include <string>
#include <string_view>

namespace tarvik {

struct EntryValidation
{
    enum class Outcome {
        Skip, // nothing validated, nothing redrawn
        Accept, // put `text` into the box, mark the layout changed, redraw
        Refuse // show `message` titled "Warning", restore the box's old text
    };
    Outcome outcome = Outcome::Skip;
    std::string text;
    std::string message;
};

// The validation hold (worksheet printing) is the caller's to test first.
// A fraction with a zero denominator, and a text in which no number can be
// read, are refused like an out-of-range value.
EntryValidation validateEntry(
    int entry, std::string_view typed, const FieldDefinitions &definitions);

} // namespace tarvik
