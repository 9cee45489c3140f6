// The entries the tests type into and read, by name.
#pragma once

#include "core/layout/entrynumbers.h"

namespace tarvik {

inline constexpr int kLeftHubDistance = otherSpecsEntry(kSideLeft, kHubDistanceRow);
inline constexpr int kLeftSpringRate = otherSpecsEntry(kSideLeft, kSpringRateRow);
inline constexpr int kLeftStaticCamber = otherSpecsEntry(kSideLeft, kStaticCamberRow);
inline constexpr int kRightHubDistance = otherSpecsEntry(kSideRight, kHubDistanceRow);
inline constexpr int kRightRimWidth = otherSpecsEntry(kSideRight, kRimWidthRow);
inline constexpr int kRightSpringLength = otherSpecsEntry(kSideRight, kSpringLengthRow);
inline constexpr int kRightSpringRate = otherSpecsEntry(kSideRight, kSpringRateRow);
inline constexpr int kRightStaticCamber = otherSpecsEntry(kSideRight, kStaticCamberRow);
inline constexpr int kLeftUpperBallJointHeight
    = pointEntry(kSideLeft, kColumnHeight, kUpperBallJoint);
inline constexpr int kLeftUpperFramePivotHeight
    = pointEntry(kSideLeft, kColumnHeight, kUpperFramePivot);
inline constexpr int kLeftLowerArmLength = pointEntry(kSideLeft, kColumnX, kLowerArmDim);
inline constexpr int kLeftLowerBallJointX = pointEntry(kSideLeft, kColumnX, kLowerBallJoint);
inline constexpr int kLeftLowerFramePivotX = pointEntry(kSideLeft, kColumnX, kLowerFramePivot);
inline constexpr int kLeftUpperBallJointX = pointEntry(kSideLeft, kColumnX, kUpperBallJoint);
inline constexpr int kRightLowerSpringPadHeight
    = pointEntry(kSideRight, kColumnHeight, kLowerSpringPad);
inline constexpr int kRightUpperBallJointHeight
    = pointEntry(kSideRight, kColumnHeight, kUpperBallJoint);
inline constexpr int kRightUpperFramePivotHeight
    = pointEntry(kSideRight, kColumnHeight, kUpperFramePivot);
inline constexpr int kRightUpperSpringPadHeight
    = pointEntry(kSideRight, kColumnHeight, kUpperSpringPad);
inline constexpr int kRightLowerArmLength = pointEntry(kSideRight, kColumnX, kLowerArmDim);
inline constexpr int kRightLowerBallJointX = pointEntry(kSideRight, kColumnX, kLowerBallJoint);
inline constexpr int kRightLowerFramePivotX = pointEntry(kSideRight, kColumnX, kLowerFramePivot);
inline constexpr int kRightUpperArmLength = pointEntry(kSideRight, kColumnX, kUpperArmDim);
inline constexpr int kRightUpperBallJointX = pointEntry(kSideRight, kColumnX, kUpperBallJoint);
inline constexpr int kRightUpperFramePivotX = pointEntry(kSideRight, kColumnX, kUpperFramePivot);
inline constexpr int kRightUpperSpringPadX = pointEntry(kSideRight, kColumnX, kUpperSpringPad);

} // namespace tarvik
