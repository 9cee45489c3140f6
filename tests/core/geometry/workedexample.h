// The worked example layout as entry texts: both sides typed alike, upper
// frame pivot (12, 14), upper ball joint (24, 15), lower frame pivot (10, 6),
// lower ball joint (26, 5), springs from (14, 16) to (18, 6), spring rate
// 500, static camber -.5, hub 2, rim 8 wide with offset 4.
#pragma once

#include "core/geometry/engine.h"

namespace tarvik::test {

// A point's X and Height, or an arm's length and angle.
inline void setPoint(EngineInput &in, int side, PointRow row, const char *x, const char *y)
{
    const bool arm = row == kUpperArmDim || row == kLowerArmDim;
    in.entries[arm ? Entry::armDimension(side, row, kColumnX)
                   : Entry::coordinate(side, row, kColumnX)]
        = x;
    in.entries[arm ? Entry::armDimension(side, row, kColumnHeight)
                   : Entry::coordinate(side, row, kColumnHeight)]
        = y;
}

inline EngineInput workedExample()
{
    EngineInput in;
    for (const int side : { kSideRight, kSideLeft }) {
        setPoint(in, side, kUpperBallJoint, "24", "15");
        setPoint(in, side, kUpperFramePivot, "12", "14");
        setPoint(in, side, kLowerBallJoint, "26", "5");
        setPoint(in, side, kLowerFramePivot, "10", "6");
        setPoint(in, side, kUpperSpringPad, "14", "16");
        setPoint(in, side, kLowerSpringPad, "18", "6");
        in.entries[Entry::otherSpec(side, kSpringRateRow)] = "500";
        in.entries[Entry::otherSpec(side, kStaticCamberRow)] = "-.5";
        in.entries[Entry::otherSpec(side, kHubDistanceRow)] = "2";
        in.entries[Entry::otherSpec(side, kRimWidthRow)] = "8";
        in.entries[Entry::otherSpec(side, kRimOffsetRow)] = "4";
    }
    return in;
}

} // namespace tarvik::test
