// The shim move (see shimmove.h). The left side measures the knuckle's run
// toward the centreline and the right side away from it, so the same
// physical tilt gives results of opposite sign on the two sides; the shim
// calculator applies its own per-side handling.
#include "core/geometry/shimmove.h"

#include "core/geometry/engine.h"
#include "core/geometry/layoutinputs.h"
#include "core/geometry/primitives.h"
#include "core/layout/entrynumbers.h"

#include <cmath>

namespace tarvik {

namespace {

double distance(const LayoutPoint &a, const LayoutPoint &b)
{
    const double dx = double(a.x) - double(b.x);
    const double dy = double(a.y) - double(b.y);
    return std::sqrt(dx * dx + dy * dy);
}

// Knuckle direction in degrees, 0..180; 90 when vertical.
double directionDeg(double dx, double dy)
{
    if (dx == 0) {
        return 90.0;
    }
    double angle = std::atan(dy / dx) / kRadPerDeg;
    if (angle < 0) {
        angle += 180.0;
    }
    return angle;
}

} // namespace

ShimResult shimCamberChange(int side, const ShimPoints &typed, double thickness, bool removed)
{
    ShimResult result;
    result.shim = thickness;
    if (thickness == 0) {
        return result;
    }
    if (removed) {
        result.shim = -result.shim;
    }
    const bool left = side == kSideLeft;
    const float sign = left ? 1.0f : -1.0f;
    LayoutPoint ubj { sign * typed.upperBallJoint.x, typed.upperBallJoint.y };
    LayoutPoint ufp { sign * typed.upperFramePivot.x, typed.upperFramePivot.y };
    const LayoutPoint lbj { sign * typed.lowerBallJoint.x, typed.lowerBallJoint.y };
    const LayoutPoint lfp { sign * typed.lowerFramePivot.x, typed.lowerFramePivot.y };

    const double upperArm = distance(ufp, ubj);
    const double lowerArm = distance(lfp, lbj);
    const double knuckle = distance(lbj, ubj);
    // Outboard is +x on the left side and -x on the mirrored right side.
    ufp.x = toSingle(double(ufp.x) + (left ? result.shim : -result.shim));
    const double frame = distance(lfp, ufp);

    FaultLog faults;
    result.status = solveUpperJoint(ubj, ufp, lbj, lfp, knuckle, frame, upperArm, lowerArm,
        left ? kLinkLeftSide : kLinkRightSide, &faults);
    result.solved = true;
    result.newJoint = ubj;
    result.movedPivot = ufp;

    const double lbjX = typed.lowerBallJoint.x;
    const double lbjY = typed.lowerBallJoint.y;
    const double oldDx
        = left ? lbjX - double(typed.upperBallJoint.x) : double(typed.upperBallJoint.x) - lbjX;
    const double oldDy = double(typed.upperBallJoint.y) - lbjY;
    const double newX = left ? double(ubj.x) : -double(ubj.x);
    const double newDx = left ? lbjX - newX : newX - lbjX;
    const double newDy = double(ubj.y) - lbjY;
    result.camberChange = directionDeg(oldDx, oldDy) - directionDeg(newDx, newDy);
    return result;
}

ShimPoints shimPointsFromEntries(const EntryTexts &entries, int side)
{
    // The boxes as typed: the shim move works in the layout's own units.
    LayoutInputs typed;
    for (const PointRow row :
        { kUpperBallJoint, kUpperFramePivot, kLowerBallJoint, kLowerFramePivot }) {
        for (const int column : { kColumnX, kColumnHeight }) {
            const Entry entry = Entry::coordinate(side, row, column);
            typed.set(entry, entries[entry]);
        }
    }
    const SideInputs &in = typed.side[static_cast<std::size_t>(side)];
    const auto point = [](const TypedPoint &p) {
        return LayoutPoint { toSingle(p.x), toSingle(p.height) };
    };
    ShimPoints p;
    p.upperBallJoint = point(in.upperBallJoint);
    p.upperFramePivot = point(in.upperFramePivot);
    p.lowerBallJoint = point(in.lowerBallJoint);
    p.lowerFramePivot = point(in.lowerFramePivot);
    return p;
}

} // namespace tarvik
