// What the camber table's cells show: the camber of each wheel (the table's
// first and default use), or where the moved roll centre sits, as its height
// or its lateral position. One sweep of the dive x roll grid gives all three,
// one engine call per cell; the quantity only chooses which numbers become
// the grid's texts.
//
// The roll centre is one point of the car, not one per wheel, so a
// roll-centre table shows the same value in its right and its left grid: the
// grids keep the camber table's shape, and with it the baselines, the CSV
// and JSON output and the window's layout. Graphs and the printed report
// show a roll-centre table once.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace tarvik {

enum class TableQuantity {
    Camber = 0, // degrees, per wheel (positive: top of the wheel leans outboard)
    RollCenterHeight = 1, // inches above the ground
    RollCenterLateral = 2, // inches from the centreline, positive toward the car's LEFT side
};

inline constexpr int kTableQuantityCount = 3;
inline constexpr std::array<TableQuantity, kTableQuantityCount> kTableQuantities
    = { TableQuantity::Camber, TableQuantity::RollCenterHeight, TableQuantity::RollCenterLateral };

inline constexpr int quantityIndex(TableQuantity quantity)
{
    return static_cast<int>(quantity);
}

// "camber", "rc-height", "rc-lateral": the command line's spelling and the
// baseline file's.
std::string_view tableQuantityKey(TableQuantity quantity);
// The quantity a key names; std::nullopt for any other text (exact match).
std::optional<TableQuantity> tableQuantityFromKey(std::string_view key);

// "Camber", "Roll Center Height", "Roll Center Lateral": the window's choice
// and the start of the graph's title in label mode 1.
std::string_view tableQuantityName(TableQuantity quantity);
// The texts below name the unit. metric: the layout's lengths are
// millimetres, and so is the roll centre the engine gives; camber stays in
// degrees either way.

// "Camber, deg", "Roll Center Height, in", "Roll Center Lateral, in" ("mm"
// when metric): the graph's standard title and its Y axis.
std::string_view tableQuantityAxisTitle(TableQuantity quantity, bool metric = false);

// "Camber, degrees", "Roll Center Height, inches", "Roll Center Lateral,
// inches (left +)" ("millimeters" when metric): what a printed or exported
// table's numbers are.
std::string_view tableQuantityCaption(TableQuantity quantity, bool metric = false);

// "deg", "in" or "mm": the unit of the quantity's numbers and differences.
std::string_view tableQuantityUnit(TableQuantity quantity, bool metric = false);

// True when the right and left grids hold different numbers (camber); false
// for the roll centre, which both grids repeat.
bool tableQuantityPerSide(TableQuantity quantity);

// The numbers one cell of the sweep gives: both wheels' new camber and the
// moved roll centre of that dive and roll.
struct TableCellValues
{
    std::array<double, 2> camber {}; // degrees, kSideRight and kSideLeft
    double rollCenterHeight = 0; // inches above the ground
    double rollCenterLateral = 0; // inches, positive toward the car's left side

    friend bool operator==(const TableCellValues &, const TableCellValues &) = default;
};

// The number a grid of side kSideRight or kSideLeft shows for quantity.
double quantityValue(const TableCellValues &cell, TableQuantity quantity, int side);

} // namespace tarvik
