// Dragging a pick-up point in the front view: which points a drag can move,
// and the typed texts of the X and Height boxes for where the pointer is.
//
// A drag moves the point's two boxes to the pointer's position snapped to a
// grid: 0.05 in, or 1 mm on a metric layout. The boxes then pass the same
// check as typed values; what the check refuses, the drag does not take.
#pragma once

#include "core/layout/entry.h"
#include "core/layout/fieldinfo.h"
#include "core/layout/layoutkinds.h"

#include <optional>
#include <string>

namespace tarvik {

inline constexpr double kDragSnapInches = 0.05;
inline constexpr double kDragSnapMillimetres = 1.0;

// Rows 0-5 of the point block; not the ball joints (rows 0 and 2) that the
// arm's length and angle place in the length-and-angle entry mode of a
// double A-arm layout.
bool canDragPoint(int row, EntryMode entryMode, SuspensionType suspensionType);

struct DraggedPoint
{
    Entry xEntry;
    Entry heightEntry;
    std::string xText; // as the boxes show it, after their check
    std::string heightText;
};

struct DragOutcome
{
    std::optional<DraggedPoint> point; // empty: refused
    std::string message; // the check's warning when refused
};

// The point of side (kSideRight, kSideLeft) and row put at layout position
// (x positive toward the car's left, y the height, layout units), snapped,
// and checked as the boxes check typing.
DragOutcome dragPoint(int side, int row, double layoutX, double layoutY, Units units,
    const FieldDefinitions &definitions);

} // namespace tarvik
