// Entry numbering and row captions of the main window's input grid.
#include "core/layout/entrynumbers.h"

#include "core/layout/specrecord.h"

#include <array>

namespace tarvik {

namespace {

constexpr std::array<const char *, kPointRows> kDoubleArmCaptions
    = { "Upper Ball Joint", "Upper Frame Pivot", "Lower Ball Joint", "Lower Frame Pivot",
          "Upper Spring Pad", "Lower Spring Pad", "Upper Arm Dim.", "Lower Arm Dim." };

constexpr std::array<const char *, kOtherSpecsRows> kOtherSpecsCaptions
    = { "Spring Length", "Spring Compression", "Spring Angle", "Spring Rate", "Wheel Rate",
          "Scrub Radius", "Static Camber, deg", "Dynamic Camber, deg", "Hub Distance",
          "Wheel Rim Width", "Wheel Rim Offset" };

} // namespace

EntryPosition entryPosition(int entry)
{
    EntryPosition p;
    if (entry >= 0 && entry < 32) {
        p.block = EntryBlock::Points;
        p.side = entry / 16;
        p.column = (entry % 16) / 8;
        p.row = entry % 8;
    } else if (entry >= 32 && entry < kDiveEntry) {
        p.block = EntryBlock::OtherSpecs;
        p.side = entry < 43 ? kSideRight : kSideLeft;
        p.row = entry - (entry < 43 ? 32 : 43);
    } else if (entry == kDiveEntry) {
        p.block = EntryBlock::Dive;
    } else if (entry == kRollEntry) {
        p.block = EntryBlock::Roll;
    }
    return p;
}

std::string pointRowCaption(int row, SuspensionType suspensionType)
{
    if (row < 0 || row >= kPointRows)
        return {};
    if (suspensionType == SuspensionType::Strut) {
        switch (row) {
        case 0:
            return "Upper Strut Loc.";
        case 1:
            return "Lower Strut Loc.";
        case 6:
            return "Strut Dim.";
        default:
            break;
        }
    }
    return kDoubleArmCaptions[static_cast<std::size_t>(row)];
}

std::string otherSpecsCaption(int row)
{
    if (row < 0 || row >= kOtherSpecsRows)
        return {};
    return kOtherSpecsCaptions[static_cast<std::size_t>(row)];
}

std::string entryDescription(int entry, SuspensionType suspensionType)
{
    const EntryPosition p = entryPosition(entry);
    const std::string side = p.side == kSideRight ? "Right " : "Left ";
    switch (p.block) {
    case EntryBlock::Points: {
        const bool arm = p.row == kUpperArmDim || p.row == kLowerArmDim;
        std::string caption = pointRowCaption(p.row, suspensionType);
        if (arm && caption.ends_with(" Dim."))
            caption.resize(caption.size() - 5);
        const char *column = arm ? (p.column == kColumnX ? " Length" : " Angle")
                                 : (p.column == kColumnX ? " X" : " Height");
        return side + caption + column;
    }
    case EntryBlock::OtherSpecs:
        return side + otherSpecsCaption(p.row);
    case EntryBlock::Dive:
        return "Dive";
    case EntryBlock::Roll:
        return "Roll";
    case EntryBlock::None:
        break;
    }
    return {};
}

bool isArmLengthEntry(int entry)
{
    const EntryPosition p = entryPosition(entry);
    return p.block == EntryBlock::Points && p.column == kColumnX
        && (p.row == kUpperArmDim || p.row == kLowerArmDim);
}

} // namespace tarvik
