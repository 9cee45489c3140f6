// Heat-map colours for the difference rows of the camber table: a diverging
// scale from blue (the new value is smaller than the baseline) through white
// (no change) to red (larger), and the legend steps the window draws beside
// the grids.
//
// The scale saturates at a span: by choice the largest |difference| the
// table shows, so every table uses the full range of colour whatever its
// units (camber degrees or roll-centre inches), and the legend says what the
// deepest colour means. The span is never below kMinimumHeatSpan: a
// difference of a hundredth is often only the rounding of the two-decimal
// base text, and must stay near white rather than turn fully red.
#pragma once

#include "core/table/cambertable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvik {

struct HeatColor
{
    std::uint8_t r = 255;
    std::uint8_t g = 255;
    std::uint8_t b = 255;

    unsigned rgb() const { return (unsigned(r) << 16) | (unsigned(g) << 8) | unsigned(b); }
    friend bool operator==(const HeatColor &, const HeatColor &) = default;
};

inline constexpr double kMinimumHeatSpan = 0.10;
inline constexpr HeatColor kHeatNegative { 33, 102, 172 }; // deepest blue, at -span
inline constexpr HeatColor kHeatZero { 255, 255, 255 };
inline constexpr HeatColor kHeatPositive { 178, 24, 43 }; // deepest red, at +span

// The colour of value on a scale saturating at +-span: straight-line steps
// from white to either end, clamped beyond the span. A span that is not a
// positive finite number counts as kMinimumHeatSpan; a NaN value is white.
HeatColor heatColor(double value, double span);

// True on the deep ends of the scale, where white text reads better on the
// colour than black.
bool needsLightInk(const HeatColor &color);

// The largest |difference| in the table's "Difference" rows, read from their
// texts, and at least kMinimumHeatSpan (also for a table without them).
double tableHeatSpan(const CamberTable &table);

// The colour of a grid cell, given only to the data cells of "Difference"
// rows (std::nullopt for every other cell, headers included).
std::optional<HeatColor> differenceCellColor(
    const CamberTable &table, int side, int gridRow, int gridColumn, double span);

struct HeatLegendStep
{
    double value = 0; // a difference, in the table's units
    HeatColor color;
    std::string text; // the value as "###.00"
};

// steps evenly spaced values from -span to +span (an odd count has 0 in the
// middle), each with its colour; steps is kept within 2 .. 101.
std::vector<HeatLegendStep> heatLegend(double span, int steps = 9);

} // namespace tarvik
