// The table-spec window's live check of a TableSpec: coarsening the
// increments until the camber table fits 10 data rows by 11 data columns,
// and the preview of the table's two axes that the window shows in its note.
//
// Counts are those of specWindowCount (span / increment rounded to nearest,
// halves to even, plus one). An axis already at its largest increment
// (index 0) cannot be coarsened further; the fit then stops and leaves the
// spec as it is for the user to narrow the range.
#pragma once

#include "core/layout/layoutkinds.h"
#include "core/table/tablespec.h"

#include <string>
#include <vector>

namespace tarvik {

struct TableSpecFit
{
    TableSpec spec; // with the increments the fit chose
    std::vector<std::string> warnings; // at most one per axis, in the order shown
    bool fits = true;
    double diveCount = 1;
    double rollCount = 1;
    double diveStep = 0; // the increment, negative when the range runs down
    double rollStep = 0;
};

// units: the layout's units (dive steps in millimetres when metric).
TableSpecFit fitTableSpec(const TableSpec &spec, Units units = Units::English);

// A short list of axis values: at most 3 values, " ...." and the last one
// down the page (vertical), at most 5, " ...." and the last across it. Values
// in the number text form with a leading blank when not negative; separated
// by a line break (vertical) or four blanks.
std::string buildValueList(double count, double first, double increment, bool vertical);

// The note text of the table-spec window: the column word, the row word with
// the column values, the row values one per line, and the table's size.
std::string tableSpecPreview(const TableSpecFit &fit);

} // namespace tarvik
