// The eight small routines every layout solve and motion step is built from.
//
// Points are single-precision layout points (inches; y up from the ground,
// x positive toward the car's left). Arithmetic is done in double and every
// value stored in a point is rounded to single precision. The angle
// constants below are used instead of exact values of pi: the results the
// user sees (roll-centre height, camber, camber gain) depend on them digit
// for digit. Degenerate lines are reported with slope 0 and height 0 rather
// than as infinite; callers rely on that.
#pragma once

#include "core/geometry/faultlog.h"
#include "core/geometry/layoutpoint.h"

namespace tarvik {

inline constexpr double kDegPerRad = 57.296;
inline constexpr double kRadPerDeg = 0.017453;
inline constexpr double kHalfTurn = 3.14159;
inline constexpr double kQuarterTurn = 1.5708;

// Side argument of solveUpperJoint: the right side is held mirrored.
inline constexpr int kLinkLeftSide = 0;
inline constexpr int kLinkRightSide = 1;

// Closure result of solveUpperJoint.
inline constexpr int kLinkSolved = 0;
inline constexpr int kLinkNotClosed = 2;

// Slope of P1-P2 (single precision); 0 for a vertical line.
double lineSlope(const LayoutPoint &p1, const LayoutPoint &p2);

// Height where line P1-P2 crosses x = 0; 0 for a vertical line. A point
// with x exactly 0 is moved to x = 1e-7 in the caller's storage first.
double lineHeightAtCenter(LayoutPoint &p1, LayoutPoint &p2, FaultLog *faults = nullptr);

// out = intersection of A1-A2 with B1-B2. Equal slopes are nudged by 0.01 so
// parallel lines still meet far away. out may be one of the inputs.
void intersectLines(LayoutPoint &a1, LayoutPoint &a2, LayoutPoint &b1, LayoutPoint &b2,
    LayoutPoint &out, FaultLog *faults = nullptr);

// q moved as if fixed to an arm that moved from oldPivot to newPivot and
// turned from oldAngleDeg to newAngleDeg.
void carryPointWithArm(const LayoutPoint &oldPivot, const LayoutPoint &newPivot, double oldAngleDeg,
    double newAngleDeg, LayoutPoint &q, FaultLog *faults = nullptr);

// q turned about pivot by rollRad (counter-clockwise positive) and raised by
// newHeightOffset. The pivot's x is not added back: it is always (0, 0).
void rollAndDivePoint(LayoutPoint &q, const LayoutPoint &pivot, double rollRad,
    double newHeightOffset, FaultLog *faults = nullptr);

// newMoving.x such that the arm oldFixed-oldMoving keeps its length with its
// fixed end at newFixed and its moving end at the given newMoving.y. An
// unreachable height puts the moving end straight under or over newFixed.
void swingArmEnd(const LayoutPoint &oldFixed, const LayoutPoint &oldMoving,
    const LayoutPoint &newFixed, LayoutPoint &newMoving, FaultLog *faults = nullptr);

// Closes the four-bar linkage upper pivot F, upper joint U, lower joint B,
// lower pivot G with lengths knuckle (U-B), frame (G-F), upperArm (F-U) and
// lowerArm (G-B). Returns kLinkSolved, or kLinkNotClosed when the linkage
// cannot be closed within 0.1 % of the upper arm (U keeps the last try). A
// zero length leaves U unchanged and returns kLinkSolved.
int solveUpperJoint(LayoutPoint &upper, const LayoutPoint &upperPivot,
    const LayoutPoint &lowerJoint, const LayoutPoint &lowerPivot, double knuckle, double frame,
    double upperArm, double lowerArm, int side, FaultLog *faults = nullptr);

// Wheel rate from spring rate and the horizontal levers of the spring and
// the ball joint about the lower frame pivot; 0 when the joint lever is 0.
double wheelRateFromSpring(
    double springRate, double springLever, double jointLever, double springAngleRad);

// The angle in radians of q seen from pivot, as the motion routines use it:
// quadrant-corrected with the 3.14159 half turn, +-1.5708 straight above or
// below, 0 on the pivot itself.
double pointAngleFrom(const LayoutPoint &pivot, const LayoutPoint &q);

} // namespace tarvik
