// Where each entry of the spec record sits on the main window, and the row
// captions.
//
// Point and arm block: entry = side * 16 + column * 8 + row (side 0 right,
// 1 left; column 0 X or Length, 1 Height or Angle; rows 0-5 points, 6-7 arm
// dimensions). "Other Specs" block: right 32 + row, left 43 + row (rows
// 0-10). Dive 54 and roll 55 stand alone.
#pragma once

#include <string>

namespace tarvik {

inline constexpr int kSideRight = 0;
inline constexpr int kSideLeft = 1;
inline constexpr int kPointRows = 8;
inline constexpr int kOtherSpecsRows = 11;

enum class EntryBlock { Points, OtherSpecs, Dive, Roll, None };

struct EntryPosition
{
    EntryBlock block = EntryBlock::None;
    int side = 0;
    int column = 0; // Points block only
    int row = 0;
};

// -1 when side, column or row is out of range.
int pointEntry(int side, int column, int row);
int otherSpecsEntry(int side, int row);
EntryPosition entryPosition(int entry);

// Caption of a row of the point and arm block for the suspension type
// (0 double A arm, otherwise McPherson strut); empty for a row out of range.
std::string pointRowCaption(int row, int suspensionType);
std::string otherSpecsCaption(int row);
// True for the arm Length entries (6, 7, 22, 23), where 0 means "not used".
bool isArmLengthEntry(int entry);

} // namespace tarvik
