// Which pick-up point matters: how much each result of the present layout
// changes per unit of each pick-up point coordinate, per inch (per mm on a
// metric layout) of the box as typed (X positive on both sides).
//
// Results are named as the optimizer's targets: rc-height, rc-migration,
// camber-gain-right, camber-gain-left, scrub-right, scrub-left and, when a
// chassis position is given, camber-right@D,R and camber-left@D,R. Each
// derivative is a central difference of the engine over a step of
// kSensitivityStepIn inch each way, small enough that the curvature of any
// result over it is far below a thousandth, large enough that the engine's
// single-precision results do not show. A coordinate whose moved layout the
// engine flags as a problem, or that its arm places in the length-and-angle
// entry mode, has no derivatives (NaN).
#pragma once

#include "core/layout/entry.h"
#include "core/layout/layoutstate.h"
#include "core/layout/settings.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvik {

inline constexpr double kSensitivityStepIn = 0.01;

struct SensitivityTable
{
    std::vector<std::string> results; // column names
    std::vector<std::string> units; // per result: "in/in", "deg/mm", ...
    std::vector<std::string> coordinates; // row names, largest effect first
    std::vector<Entry> entries; // per row
    // [row][column], result units per typed unit of the coordinate; NaN where
    // not computable.
    std::vector<std::vector<double>> perUnit;
    // The present layout is one the engine flags as a problem; no row.
    bool layoutProblem = false;
};

struct ChassisPosition
{
    double dive = 0; // typed length
    double roll = 0; // degrees
};

SensitivityTable computeSensitivity(const LayoutState &layout, const Settings &settings,
    std::optional<ChassisPosition> position = std::nullopt);

// Row order for a sort on one column by size (largest first), or on the
// largest size over all columns, each scaled by the column's largest size,
// when column is -1. NaNs go last; ties keep entry order.
std::vector<std::size_t> sensitivityOrder(const SensitivityTable &table, int column);

// The table as CSV: a header of "coordinate" and the result names, then one
// row per coordinate, numbers in shortest form, empty where not computable.
std::string sensitivityCsv(const SensitivityTable &table);

} // namespace tarvik
