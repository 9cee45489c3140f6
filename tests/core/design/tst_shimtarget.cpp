// Target-camber shims: the stack found gives the camber the shim calculator
// shows for it, is the closest of all stacks offered, and never goes beyond
// the counts the definition offers.
#include "core/calc/calcsession.h"
#include "core/design/shimtarget.h"
#include "core/geometry/shimmove.h"
#include "core/text/pictureformat.h"
#include "designfixtures.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tarvik {
namespace {

std::array<std::string, kEntryCount> entriesOf(const LayoutState &layout)
{
    std::array<std::string, kEntryCount> entries;
    for (int e = 0; e < kEntryCount; ++e) {
        entries[static_cast<std::size_t>(e)] = layout.record.get(e);
    }
    return entries;
}

TEST(ShimTarget, FoundStackIsWhatTheCalculatorShows)
{
    const LayoutState layout = test::exampleLayout("CIRCLE.TK");
    const Settings settings;
    for (const int side : { kSideRight, kSideLeft }) {
        const CalcOpenResult opened
            = openCalcWindow(kCalcModeShim, TARVIK_SOURCE_DATA_DIR, { layout, settings, side });
        ASSERT_TRUE(opened.session);
        const int items16 = static_cast<int>(opened.session->row(3).items.size());
        const int items8 = static_cast<int>(opened.session->row(4).items.size());
        ASSERT_EQ(items16, 9);
        const double now = std::stod(layout.record.get(staticCamberEntry(side)));
        for (const double target : { now - 1.3, now - 0.2, now + 0.45, now + 2.0 }) {
            const ShimTargetResult r
                = findShimsForCamber(entriesOf(layout), side, target, items16, items8);
            ASSERT_TRUE(r.found);
            EXPECT_EQ(r.stacksTried, 2 * items16 * items8 - 1);
            EXPECT_NEAR(r.best.residual, r.best.newCamber - target, 1e-12);
            EXPECT_NEAR(r.best.thickness, r.best.sixteenths / 16.0 + r.best.eighths / 8.0, 1e-12);
            if (r.best.thickness == 0) {
                continue;
            }
            CalcSession s = *openCalcWindow(kCalcModeShim, TARVIK_SOURCE_DATA_DIR,
                { layout, settings, side,
                    ShimChoices { r.best.direction, 1, r.best.sixteenths, r.best.eighths,
                        0 } }).session;
            EXPECT_EQ(s.output(1).value, formatPicture(r.best.newCamber, "##.00"))
                << "side " << side << " target " << target;
        }
    }
}

TEST(ShimTarget, ClosestOfAllStacksWithinTheOfferedCounts)
{
    const LayoutState layout = test::exampleLayout("WORKED.TK");
    const auto entries = entriesOf(layout);
    // The camber as it stands needs no shims.
    ShimTargetResult r = findShimsForCamber(entries, kSideLeft, -0.5, 9, 9);
    EXPECT_EQ(r.best.thickness, 0);
    EXPECT_NEAR(r.best.residual, 0, 1e-12);

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
