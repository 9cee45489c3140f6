// The printable measurement sheet: how to measure the car's camber through
// dive and roll, and a grid of the planned positions with an empty box for
// each side's reading. The positions are the rows of the measurement set (a
// row with or without readings is a planned position), or, for an empty
// set, a plan of four dives and three rolls. The GUI paints this on a page;
// nothing here knows a printer.
#pragma once

#include "core/design/measurements.h"
#include "core/layout/layoutkinds.h"

#include <string>
#include <vector>

namespace tarvik {

struct MeasurementSheet
{
    std::string title; // "Camber Measurement Sheet"
    std::string vehicle; // the vehicle file's title, or "(untitled)"
    std::vector<std::string> procedure; // numbered steps, one paragraph each
    std::vector<std::string> columns; // grid headings
    // One line per position: dive and roll texts, then the two boxes (empty,
    // or the reading already taken).
    std::vector<std::vector<std::string>> rows;
};

// The planned positions of an empty set: dive -1, 0, 1, 2 in (or -25, 0, 25,
// 50 mm) at roll -2, 0 and 2 degrees.
MeasurementSet plannedPositions(Units units);

MeasurementSheet measurementSheet(
    const MeasurementSet &set, Units units, const std::string &vehicleTitle);

} // namespace tarvik
