// TableSpec: which dive and roll values the camber table sweeps, and how big
// the table it asks for is.
//
// The range ends are held as the texts the user typed (read with the usual
// leading-number rule when needed); the increments are fixed by a choice
// index, never by the text of a list entry. Dive is in the layout's length
// unit (inches, or millimetres for a metric layout: the same physical steps
// of 2, 1, .5 and .25 inches), roll in degrees. A table holds at most 10 data rows by 11 data
// columns; the size is counted as the table-spec window counts it (span / increment rounded to the
// nearest whole number, halves to even, plus one), and a spec that does not
// fit is refused with the window's own message for the axis at fault.
#pragma once

#include "core/layout/layoutkinds.h"
#include "core/layout/tablerecords.h"

#include <string>
#include <string_view>

namespace tarvik {

// Dive -2 to 2 by 1 inch down the rows, roll -4 to 4 by 2 degrees across.
TableSpec standardTableSpec();

// Increment for a choice index (an index outside the list means the finest);
// units: the layout's units.
double diveIncrement(int incIndex, Units units = Units::English);
double rollIncrement(int incIndex);

// One swept axis with its ends read as numbers.
struct TableAxis
{
    double from = 0;
    double to = 0;
    double step = 0; // the increment, negative when from > to
    int count = 0; // values visited from "from" toward "to", never passing it

    double value(int i) const { return from + i * step; }
};

TableAxis diveAxis(const TableSpec &spec, Units units = Units::English);
TableAxis rollAxis(const TableSpec &spec);
TableAxis rowAxis(const TableSpec &spec, Units units = Units::English);
TableAxis columnAxis(const TableSpec &spec, Units units = Units::English);

// The count the table-spec window shows for one axis: |span / increment|
// rounded to nearest (halves to even) plus one. Infinite when a range end is
// too large to count.
double specWindowCount(std::string_view fromText, std::string_view toText, double increment);

// Empty when the spec fits 10 x 11, otherwise the message of the axis at
// fault (checked in the order the table-spec window checks them).
std::string tableSpecRefusal(const TableSpec &spec, Units units = Units::English);

} // namespace tarvik
