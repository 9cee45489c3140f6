// The entries the tests type into and read, by name.
#pragma once

#include "core/layout/entry.h"

namespace tarvik {

inline constexpr Entry kLeftHubDistance = Entry::otherSpec(kSideLeft, kHubDistanceRow);
inline constexpr Entry kLeftSpringRate = Entry::otherSpec(kSideLeft, kSpringRateRow);
inline constexpr Entry kLeftStaticCamber = Entry::otherSpec(kSideLeft, kStaticCamberRow);
inline constexpr Entry kRightHubDistance = Entry::otherSpec(kSideRight, kHubDistanceRow);
inline constexpr Entry kRightRimWidth = Entry::otherSpec(kSideRight, kRimWidthRow);
inline constexpr Entry kRightSpringLength = Entry::otherSpec(kSideRight, kSpringLengthRow);
inline constexpr Entry kRightSpringRate = Entry::otherSpec(kSideRight, kSpringRateRow);
inline constexpr Entry kRightStaticCamber = Entry::otherSpec(kSideRight, kStaticCamberRow);
inline constexpr Entry kLeftUpperBallJointHeight
    = Entry::coordinate(kSideLeft, kUpperBallJoint, kColumnHeight);
inline constexpr Entry kLeftUpperFramePivotHeight
    = Entry::coordinate(kSideLeft, kUpperFramePivot, kColumnHeight);
inline constexpr Entry kLeftLowerArmLength = Entry::armDimension(kSideLeft, kLowerArmDim, kColumnX);
inline constexpr Entry kLeftLowerBallJointX
    = Entry::coordinate(kSideLeft, kLowerBallJoint, kColumnX);
inline constexpr Entry kLeftLowerBallJointHeight
    = Entry::coordinate(kSideLeft, kLowerBallJoint, kColumnHeight);
inline constexpr Entry kLeftLowerSpringPadHeight
    = Entry::coordinate(kSideLeft, kLowerSpringPad, kColumnHeight);
inline constexpr Entry kLeftLowerFramePivotX
    = Entry::coordinate(kSideLeft, kLowerFramePivot, kColumnX);
inline constexpr Entry kLeftUpperFramePivotX
    = Entry::coordinate(kSideLeft, kUpperFramePivot, kColumnX);
inline constexpr Entry kLeftUpperBallJointX
    = Entry::coordinate(kSideLeft, kUpperBallJoint, kColumnX);
inline constexpr Entry kRightLowerSpringPadHeight
    = Entry::coordinate(kSideRight, kLowerSpringPad, kColumnHeight);
inline constexpr Entry kRightUpperBallJointHeight
    = Entry::coordinate(kSideRight, kUpperBallJoint, kColumnHeight);
inline constexpr Entry kRightUpperFramePivotHeight
    = Entry::coordinate(kSideRight, kUpperFramePivot, kColumnHeight);
inline constexpr Entry kRightUpperSpringPadHeight
    = Entry::coordinate(kSideRight, kUpperSpringPad, kColumnHeight);
inline constexpr Entry kRightLowerArmLength
    = Entry::armDimension(kSideRight, kLowerArmDim, kColumnX);
inline constexpr Entry kRightLowerBallJointX
    = Entry::coordinate(kSideRight, kLowerBallJoint, kColumnX);
inline constexpr Entry kRightLowerFramePivotX
    = Entry::coordinate(kSideRight, kLowerFramePivot, kColumnX);
inline constexpr Entry kRightUpperArmLength
    = Entry::armDimension(kSideRight, kUpperArmDim, kColumnX);
inline constexpr Entry kRightUpperBallJointX
    = Entry::coordinate(kSideRight, kUpperBallJoint, kColumnX);
inline constexpr Entry kRightUpperFramePivotX
    = Entry::coordinate(kSideRight, kUpperFramePivot, kColumnX);
inline constexpr Entry kRightUpperSpringPadX
    = Entry::coordinate(kSideRight, kUpperSpringPad, kColumnX);

} // namespace tarvik
