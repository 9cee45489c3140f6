// Where each entry of the spec record sits on the main window, and the row
// captions.
//
// Point and arm block: entry = side * 16 + column * 8 + row (side 0 right,
// 1 left; column 0 X or Length, 1 Height or Angle; rows 0-5 points, 6-7 arm
// dimensions). "Other Specs" block: right 32 + row, left 43 + row (rows
// 0-10). Dive 54 and roll 55 stand alone.
#pragma once

#include "core/layout/layoutkinds.h"

#include <string>

namespace tarvik {

inline constexpr int kEntryCount = 56; // entries 0..55
inline constexpr int kSpecSlots = 61; // the record's slots; 56..60 stay empty
inline constexpr int kDiveEntry = 54;
inline constexpr int kRollEntry = 55;

// Side index of every per-side array: 0 the car's right, 1 its left.
inline constexpr int kSideRight = 0;
inline constexpr int kSideLeft = 1;
inline constexpr int kPointRows = 8;
inline constexpr int kOtherSpecsRows = 11;

// Columns of the point and arm block.
inline constexpr int kColumnX = 0; // X, or Length on the arm rows
inline constexpr int kColumnHeight = 1; // Height, or Angle on the arm rows

// Rows of the point and arm block (strut captions where they differ).
enum PointRow : int {
    kUpperBallJoint = 0, // strut: upper strut location (body mount)
    kUpperFramePivot = 1, // strut: lower strut location
    kLowerBallJoint = 2,
    kLowerFramePivot = 3,
    kUpperSpringPad = 4,
    kLowerSpringPad = 5,
    kUpperArmDim = 6, // strut: strut dimensions
    kLowerArmDim = 7,
};

// Rows of the "Other Specs" block.
enum OtherSpecsRow : int {
    kSpringLengthRow = 0,
    kSpringCompressionRow = 1,
    kSpringAngleRow = 2,
    kSpringRateRow = 3,
    kWheelRateRow = 4,
    kScrubRadiusRow = 5,
    kStaticCamberRow = 6,
    kDynamicCamberRow = 7,
    kHubDistanceRow = 8,
    kRimWidthRow = 9,
    kRimOffsetRow = 10,
};

enum class EntryBlock { Points, OtherSpecs, Dive, Roll, None };

struct EntryPosition
{
    EntryBlock block = EntryBlock::None;
    int side = 0;
    int column = 0; // Points block only
    int row = 0;
};

// -1 when side, column or row is out of range.
constexpr int pointEntry(int side, int column, int row)
{
    if (side < 0 || side > 1 || column < 0 || column > 1 || row < 0 || row >= kPointRows)
        return -1;
    return side * 16 + column * 8 + row;
}
constexpr int otherSpecsEntry(int side, int row)
{
    if (side < 0 || side > 1 || row < 0 || row >= kOtherSpecsRows)
        return -1;
    return (side == kSideRight ? 32 : 43) + row;
}
// The entries that other windows read and write by name.
constexpr int staticCamberEntry(int side)
{
    return otherSpecsEntry(side, kStaticCamberRow);
}
constexpr int springRateEntry(int side)
{
    return otherSpecsEntry(side, kSpringRateRow);
}
// The side's other entry: right entry e pairs with the left e + 16 in the
// point block and e + 11 in the Other Specs block; -1 for dive and roll.
constexpr int mirrorEntry(int entry)
{
    if (entry >= 0 && entry < 32)
        return entry < 16 ? entry + 16 : entry - 16;
    if (entry >= 32 && entry < 54)
        return entry < 43 ? entry + 11 : entry - 11;
    return -1;
}
EntryPosition entryPosition(int entry);

// Caption of a row of the point and arm block for the suspension type;
// empty for a row out of range.
std::string pointRowCaption(int row, SuspensionType suspensionType);
std::string otherSpecsCaption(int row);
// What an entry is, for the user: "Right Upper Ball Joint X", "Left Spring
// Rate", "Dive", "Roll" (the strut's captions for a strut).
std::string entryDescription(int entry, SuspensionType suspensionType);
// True for the arm Length entries (6, 7, 22, 23), where 0 means "not used".
bool isArmLengthEntry(int entry);

} // namespace tarvik
