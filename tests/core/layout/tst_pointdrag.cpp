// Dragging a pick-up point: the snap grid, the right side's sign and which
// points a drag may move.
#include "core/layout/entrynumbers.h"
#include "core/layout/pointdrag.h"
#include "support/namedentries.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

// A dragged point lands on the snap grid (no 0.049999 texts) and the right
// side's X turns its sign.
TEST(PointDrag, SnapsSignsAndChecks)
{
    const auto d
        = loadDefinitions(findDefinitionsFile(TARVIK_SOURCE_DATA_DIR, Units::English), false);
    ASSERT_TRUE(d.loaded);
    const DragOutcome right
        = dragPoint(kSideRight, kUpperBallJoint, -12.026, 7.024, Units::English, d);
    ASSERT_TRUE(right.point);
    EXPECT_EQ(right.point->xEntry, kRightUpperBallJointX);
    EXPECT_EQ(right.point->heightEntry, kRightUpperBallJointHeight);
    EXPECT_EQ(right.point->xText, "12.05");
    EXPECT_EQ(right.point->heightText, "7");
    const DragOutcome metric = dragPoint(kSideLeft, kLowerSpringPad, 300.6, 0.2, Units::Metric, {});
    ASSERT_TRUE(metric.point);
    EXPECT_EQ(metric.point->xText, "301");
    EXPECT_EQ(metric.point->heightText, "0");
    // Refusals across the centreline and in the length-and-angle mode: the
    // window's drag test; a strut always solves in X and Height.
    EXPECT_TRUE(canDragPoint(kLowerBallJoint, EntryMode::LengthAndAngle, SuspensionType::Strut));
    EXPECT_FALSE(canDragPoint(kUpperArmDim, EntryMode::XAndHeight, SuspensionType::DoubleAArm));
}

} // namespace
} // namespace tarvik
