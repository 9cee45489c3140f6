// Target-camber shims (see shimtarget.h).
#include "core/calc/shimtarget.h"

#include "core/geometry/shimmove.h"
#include "core/layout/entrynumbers.h"
#include "core/text/numberreading.h"
#include "core/text/pictureformat.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace {

constexpr double kSixteenthIn = 0.0625;
constexpr double kEighthIn = 0.125;
// The shim move reports a linkage it could not solve below this.
constexpr double kFailedCamberChange = -998;
constexpr double kTie = 1e-9;

bool closer(const ShimStack &a, const ShimStack &b)
{
    const double da = std::fabs(a.residual);
    const double db = std::fabs(b.residual);
    if (std::fabs(da - db) > kTie) {
        return da < db;
    }
    if (a.sixteenths + a.eighths != b.sixteenths + b.eighths) {
        return a.sixteenths + a.eighths < b.sixteenths + b.eighths;
    }
    if (a.sixteenths != b.sixteenths) {
        return a.sixteenths < b.sixteenths;
    }
    return a.direction < b.direction;
}

} // namespace

ShimTargetResult findShimsForCamber(
    const EntryTexts &entries, int side, double targetCamber, int sixteenthItems, int eighthItems)
{
    const int s = side == kSideLeft ? kSideLeft : kSideRight;
    const ShimPoints points = shimPointsFromEntries(entries, s);
    const double camber = readNumber(entries[Entry::otherSpec(s, kStaticCamberRow)]);
    const int sixteenths = std::clamp(sixteenthItems, 1, 1000);
    const int eighths = std::clamp(eighthItems, 1, 1000);

    ShimTargetResult result;
    if (!std::isfinite(targetCamber)) {
        return result;
    }
    for (int direction = 0; direction < 2; ++direction) {
        for (int a = 0; a < sixteenths; ++a) {
            for (int b = 0; b < eighths; ++b) {
                if (a + b == 0 && direction == 1) {
                    continue; // no shims is the same stack either way
                }
                ShimStack stack;
                stack.direction = direction;
                stack.sixteenths = a;
                stack.eighths = b;
                // The calculator hands the move the thickness it shows.
                stack.thickness
                    = readNumber(formatPicture(a * kSixteenthIn + b * kEighthIn, "##.0000"));
                const ShimResult moved
                    = shimCamberChange(s, points, stack.thickness, direction == 1);
                if (moved.status == 2 || !std::isfinite(moved.camberChange)
                    || moved.camberChange < kFailedCamberChange) {
                    continue;
                }
                stack.newCamber
                    = s == kSideRight ? moved.camberChange + camber : camber - moved.camberChange;
                stack.residual = stack.newCamber - targetCamber;
                ++result.stacksTried;
                if (!result.found || closer(stack, result.best)) {
                    result.best = stack;
                    result.found = true;
                }
            }
        }
    }
    return result;
}

} // namespace tarvik
