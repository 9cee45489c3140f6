// Target-camber shims: the stack found is the closest of all stacks offered,
// and never goes beyond the counts the definition offers. That its camber is
// the one the shim calculator shows is the calculator's target sweep's.
#include "../design/designfixtures.h"
#include "core/calc/shimtarget.h"
#include "core/geometry/shimmove.h"
#include "core/layout/entrynumbers.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tarvik {
namespace {

TEST(ShimTarget, ClosestOfAllStacksWithinTheOfferedCounts)
{
    const LayoutState layout = test::exampleLayout("WORKED.TK");
    const auto entries = test::entriesOf(layout);
    // Far beyond reach: the thickest stack in the direction that helps, and
    // no count beyond what the items offer.
    const ShimTargetResult low = findShimsForCamber(entries, kSideLeft, -20, 3, 2);
    const ShimTargetResult high = findShimsForCamber(entries, kSideLeft, 20, 3, 2);
    EXPECT_EQ(low.best.sixteenths, 2);
    EXPECT_EQ(low.best.eighths, 1);
    EXPECT_EQ(high.best.sixteenths + high.best.eighths, 3);
    EXPECT_NE(low.best.direction, high.best.direction);

    // Two 1/16 in shims and one 1/8 in shim give the same camber: the stack
    // with fewer shims wins, and its camber is hit exactly.
    const double oneEighth = -0.5
        + shimCamberChange(kSideRight, shimPointsFromEntries(entries, kSideRight), 0.125, false)
              .camberChange;
    const ShimTargetResult exact = findShimsForCamber(entries, kSideRight, oneEighth, 9, 9);
    EXPECT_EQ(exact.best.direction, 0);
    EXPECT_EQ(exact.best.sixteenths, 0);
    EXPECT_EQ(exact.best.eighths, 1);
    EXPECT_NEAR(exact.best.residual, 0, 1e-12);

    EXPECT_FALSE(findShimsForCamber(entries, kSideRight, std::nan(""), 9, 9).found);
}

} // namespace
} // namespace tarvik
