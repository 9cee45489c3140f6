// The shim move: how much one side's camber changes when shims of a given
// thickness move that side's upper frame pivot sideways. The frame pivot
// moves, the arm, knuckle and lower-arm lengths stay, and the upper ball
// joint is found again by closing the four-bar linkage.
//
// Points are given as typed (inches; X as the boxes hold it, so the right
// side's X is positive). A positive shim moves the pivot outboard; removed
// shims move it inboard.
#pragma once

#include "core/geometry/layoutpoint.h"
#include "core/layout/entry.h"

#include <array>
#include <string>

namespace tarvik {

struct ShimPoints
{
    LayoutPoint upperBallJoint;
    LayoutPoint upperFramePivot;
    LayoutPoint lowerBallJoint;
    LayoutPoint lowerFramePivot;
};

struct ShimResult
{
    bool solved = false; // false for a zero shim: nothing was moved
    double camberChange = 0; // degrees, 0 when nothing was solved
    double shim = 0; // the thickness, negated when the shims are removed
    LayoutPoint newJoint; // solved upper ball joint, layout frame (right side x negative)
    LayoutPoint movedPivot; // moved upper frame pivot, layout frame
    int status = 0; // linkage closure: 0 solved, 2 not closed within 0.1 %
};

// side is kSideRight (0) or kSideLeft (1).
ShimResult shimCamberChange(int side, const ShimPoints &typed, double thickness, bool removed);

// The four points of one side from the entry texts (leading-number rule);
// only that side's boxes are read.
ShimPoints shimPointsFromEntries(const EntryTexts &entries, int side);

} // namespace tarvik
