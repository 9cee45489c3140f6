// The shim move: the direction of a shim on each side, the arm length kept,
// removed shims, vertical knuckles and which boxes each side reads. Zero
// shims and the written-back pivots are checked through the shim calculator.
#include "core/geometry/shimmove.h"
#include "workedexample.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tarvik {
namespace {

const ShimPoints kWorked { { 24, 15 }, { 12, 14 }, { 26, 5 }, { 10, 6 } };

TEST(ShimMove, SameShimGivesOppositeSignsOnTheTwoSides)
{
    const ShimResult left = shimCamberChange(kSideLeft, kWorked, 0.125, false);
    const ShimResult right = shimCamberChange(kSideRight, kWorked, 0.125, false);
    ASSERT_TRUE(left.solved && right.solved);
    EXPECT_EQ(left.status + right.status, 0);
    EXPECT_GT(std::fabs(left.camberChange), 0.3);
    EXPECT_NEAR(left.camberChange, -right.camberChange, 1e-3);
    // Outboard by the shim: +x on the left, -x on the mirrored right side;
    // the upper joint goes with the pivot and keeps the arm length.
    EXPECT_NEAR(right.movedPivot.x, -12.125, 1e-6);
    EXPECT_LT(right.newJoint.x, -24.0f);
    EXPECT_NEAR(
        std::hypot(left.newJoint.x - 12.125, left.newJoint.y - 14.0), std::hypot(12.0, 1.0), 0.02);

    const ShimResult removed = shimCamberChange(kSideLeft, kWorked, 0.1, true);
    EXPECT_DOUBLE_EQ(removed.shim, -0.1);
    EXPECT_LT(left.camberChange * removed.camberChange, 0);
}

TEST(ShimMove, VerticalKnuckleCountsAsNinetyDegrees)
{
    const ShimPoints vertical { { 26, 15 }, { 12, 14 }, { 26, 5 }, { 10, 6 } };
    const ShimResult r = shimCamberChange(kSideLeft, vertical, 0.1, false);
    ASSERT_TRUE(r.solved);
    double newAngle = std::atan((r.newJoint.y - 5.0) / (26.0 - r.newJoint.x)) / 0.017453;
    if (newAngle < 0) {
        newAngle += 180;
    }
    EXPECT_NEAR(r.camberChange, 90.0 - newAngle, 1e-9);
}

TEST(ShimMove, EachSideReadsOnlyItsOwnBoxes)
{
    EngineInput in = test::workedExample();
    for (int row = kUpperBallJoint; row <= kLowerArmDim; ++row) {
        for (const int column : { kColumnX, kColumnHeight }) {
            in.entries[Entry::coordinate(kSideLeft, static_cast<PointRow>(row), column)] = "999";
        }
    }
    const ShimPoints right = shimPointsFromEntries(in.entries, kSideRight);
    EXPECT_EQ(right.upperBallJoint.x, 24.0f);
    EXPECT_EQ(right.lowerFramePivot.y, 6.0f);
    EXPECT_EQ(shimPointsFromEntries(in.entries, kSideLeft).upperFramePivot.x, 999.0f);
}

} // namespace
} // namespace tarvik
