// Names and keys of the table quantities; see tablequantity.h.
#include "core/table/tablequantity.h"

#include <cstddef>

namespace tarvik {

namespace {

// The unit texts by units: [0] inches, [1] millimetres.
struct QuantityTexts
{
    std::string_view key;
    std::string_view name;
    std::array<std::string_view, 2> axisTitle;
    std::array<std::string_view, 2> caption;
    std::array<std::string_view, 2> unit;
};

constexpr std::array<QuantityTexts, kTableQuantityCount> kTexts = { {
    { "camber", "Camber", { "Camber, deg", "Camber, deg" },
        { "Camber, degrees", "Camber, degrees" }, { "deg", "deg" } },
    { "rc-height", "Roll Center Height", { "Roll Center Height, in", "Roll Center Height, mm" },
        { "Roll Center Height, inches", "Roll Center Height, millimeters" }, { "in", "mm" } },
    { "rc-lateral", "Roll Center Lateral", { "Roll Center Lateral, in", "Roll Center Lateral, mm" },
        { "Roll Center Lateral, inches (left +)", "Roll Center Lateral, millimeters (left +)" },
        { "in", "mm" } },
} };

const QuantityTexts &textsOf(TableQuantity quantity)
{
    const int index = quantityIndex(quantity);
    // An enum value from outside the list (a cast integer) reads as camber.
    return kTexts[index >= 0 && index < kTableQuantityCount ? static_cast<std::size_t>(index) : 0];
}

} // namespace

std::string_view tableQuantityKey(TableQuantity quantity)
{
    return textsOf(quantity).key;
}

std::optional<TableQuantity> tableQuantityFromKey(std::string_view key)
{
    for (const TableQuantity quantity : kTableQuantities) {
        if (tableQuantityKey(quantity) == key) {
            return quantity;
        }
    }
    return std::nullopt;
}

std::string_view tableQuantityName(TableQuantity quantity)
{
    return textsOf(quantity).name;
}

std::string_view tableQuantityAxisTitle(TableQuantity quantity, bool metric)
{
    return textsOf(quantity).axisTitle[metric ? 1 : 0];
}

std::string_view tableQuantityCaption(TableQuantity quantity, bool metric)
{
    return textsOf(quantity).caption[metric ? 1 : 0];
}

std::string_view tableQuantityUnit(TableQuantity quantity, bool metric)
{
    return textsOf(quantity).unit[metric ? 1 : 0];
}

bool tableQuantityPerSide(TableQuantity quantity)
{
    return quantity != TableQuantity::RollCenterHeight
        && quantity != TableQuantity::RollCenterLateral;
}

double quantityValue(const TableCellValues &cell, TableQuantity quantity, int side)
{
    switch (quantity) {
    case TableQuantity::RollCenterHeight:
        return cell.rollCenterHeight;
    case TableQuantity::RollCenterLateral:
        return cell.rollCenterLateral;
    case TableQuantity::Camber:
        break;
    }
    return cell.camber[side == 1 ? 1 : 0];
}

} // namespace tarvik
