// The geometric primitives' degenerate rules (vertical lines, points on the
// centreline, parallel lines, points straight above a pivot, unreachable
// heights, unclosable linkages) and single precision. Their arithmetic on
// ordinary layouts is held by the golden solve cases.
#include "core/geometry/primitives.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace tarvik {
namespace {

TEST(LineSlopeAndHeight, VerticalLinesAndTheCentreline)
{
    EXPECT_EQ(lineSlope({ 3, 1 }, { 3, 9 }), 0.0); // vertical reported as 0
    // The quotient is rounded to single precision.
    EXPECT_EQ(lineSlope({ 0, 0 }, { 3, 1 }), double(1.0f / 3.0f));

    LayoutPoint v1 { 4, 1 }, v2 { 4, 7 };
    EXPECT_EQ(lineHeightAtCenter(v1, v2), 0.0);
    // A point on the centreline is moved off it in the caller's storage.
    LayoutPoint c { 0, 3 }, d { 2, 5 };
    EXPECT_NEAR(lineHeightAtCenter(c, d), 3.0, 1e-4);
    EXPECT_EQ(c.x, 1e-7f);
    EXPECT_EQ(d.x, 2.0f);
}

TEST(IntersectLines, ParallelAndVertical)
{
    const struct
    {
        const char *name;
        LayoutPoint a1, a2, b1, b2, expected;
        double tol;
    } cases[] = {
        // Parallel lines: the first slope is nudged by +0.01 when the fourth
        // point's x is not negative, by -0.01 otherwise.
        { "parallel, x >= 0", { 1, 1 }, { 2, 2 }, { 1, 3 }, { 2, 4 }, { 200, 202 }, 1e-2 },
        { "parallel, x < 0", { 1, 1 }, { 2, 2 }, { -1, 1 }, { -2, 0 }, { -200, -198 }, 1e-2 },
        // A vertical line takes part as the ground line y = 0.
        { "vertical", { 5, 0 }, { 5, 10 }, { 1, 3 }, { 2, 4 }, { -2, 0 }, 1e-4 },
    };
    for (const auto &c : cases) {
        LayoutPoint a1 = c.a1, a2 = c.a2, b1 = c.b1, b2 = c.b2, out; // may be nudged in place
        intersectLines(a1, a2, b1, b2, out);
        EXPECT_NEAR(out.x, c.expected.x, c.tol) << c.name;
        EXPECT_NEAR(out.y, c.expected.y, c.tol) << c.name;
    }
}

TEST(CarryPointWithArm, TurnsAboutThePivot)
{
    const struct
    {
        const char *name;
        LayoutPoint oldPivot, newPivot;
        double oldAngle, newAngle;
        LayoutPoint point, expected;
    } cases[] = {
        { "quarter turn and shift", { 0, 0 }, { 5, 5 }, 0, 90, { 1, 0 }, { 5, 6 } },
        // Straight above or below the pivot stays there, at a quarter turn.
        { "above pivot", { 2, 1 }, { 2, 1 }, 0, 0, { 2, 7 }, { 2, 7 } },
        { "below pivot", { 2, 1 }, { 2, 1 }, 0, 0, { 2, -5 }, { 2, -5 } },
        { "the pivot itself", { 2, 1 }, { 4, 1 }, 0, 30, { 2, 1 }, { 4, 1 } },
    };
    for (const auto &c : cases) {
        LayoutPoint p = c.point;
        carryPointWithArm(c.oldPivot, c.newPivot, c.oldAngle, c.newAngle, p);
        EXPECT_NEAR(p.x, c.expected.x, 1e-4) << c.name;
        EXPECT_NEAR(p.y, c.expected.y, 1e-4) << c.name;
    }
}

TEST(RollAndDivePoint, PointOnTheCentreline)
{
    LayoutPoint onCenter { 0, 8 };
    rollAndDivePoint(onCenter, {}, 0, 0);
    EXPECT_NEAR(onCenter.x, 0, 1e-3);
    EXPECT_NEAR(onCenter.y, 8, 1e-4);
}

// Rolled offsets are remembered between calls: mirrored points rolled the
// opposite way, neighbouring angles and a pivot off the origin must each
// keep their own answer, in whatever order they come.
TEST(RollAndDivePoint, RepeatsGiveThePlainArithmetic)
{
    struct Case
    {
        float x, pivotY;
        double rollRad;
    };
    std::vector<Case> cases;
    for (const float x : { 12.0f, -12.0f, 7.5f }) {
        for (const double r : { 0.0, 0.0872, -0.0872, 0.0873 }) {
            for (const float pivotY : { 0.0f, 2.0f }) {
                cases.push_back({ x, pivotY, r });
            }
        }
    }
    for (int pass = 0; pass < 3; ++pass) {
        for (const Case &c : cases) {
            LayoutPoint q { c.x, 14.0f };
            rollAndDivePoint(q, { 0, c.pivotY }, c.rollRad, 0.5);
            const double dx = c.x;
            const double dy = 14.0 - double(c.pivotY);
            const double theta = std::atan(dy / dx) + (dx < 0 ? kHalfTurn : 0.0);
            const double r = std::sqrt(dx * dx + dy * dy);
            EXPECT_EQ(q.x, float(r * std::cos(c.rollRad + theta))) << c.x << " " << c.rollRad;
            EXPECT_EQ(q.y, float(r * std::sin(c.rollRad + theta) + 0.5)) << c.x << " " << c.rollRad;
        }
        std::reverse(cases.begin(), cases.end());
    }
    // A point at the pivot's height rolled by 0 and by -0 with no dive:
    // the arithmetic gives heights 0 and -0, and so must every repeat.
    for (int pass = 0; pass < 2; ++pass) {
        for (const double turn : { 0.0, -0.0 }) {
            LayoutPoint q { 5, -0.0f };
            rollAndDivePoint(q, {}, turn, -0.0);
            EXPECT_EQ(std::signbit(q.y), std::signbit(turn)) << turn;
        }
    }
}

TEST(SwingArmEnd, UnreachableOrVerticalDropsUnderThePivot)
{
    LayoutPoint unreachable { 0, 40 };
    swingArmEnd({ 10, 6 }, { 26, 5 }, { 11, 6 }, unreachable);
    EXPECT_EQ(unreachable.x, 11.0f);

    LayoutPoint vertical { 0, 2 };
    swingArmEnd({ 10, 6 }, { 10, 1 }, { 12, 6 }, vertical);
    EXPECT_EQ(vertical.x, 12.0f);
}

TEST(SolveUpperJoint, ZeroLengthAndUnclosable)
{
    LayoutPoint u { 24, 15 };
    EXPECT_EQ(solveUpperJoint(u, { 12, 14 }, { 26, 5 }, { 10, 6 }, 0, 8, 12, 16, kLinkLeftSide),
        kLinkSolved);
    EXPECT_EQ(u.x, 24.0f);
    EXPECT_EQ(u.y, 15.0f);

    // A knuckle far longer than arm and frame can reach.
    LayoutPoint v { 24, 15 };
    EXPECT_EQ(solveUpperJoint(v, { 12, 14 }, { 26, 5 }, { 10, 6 }, 60, 8, 2, 16, kLinkLeftSide),
        kLinkNotClosed);
    EXPECT_TRUE(std::isfinite(v.x) && std::isfinite(v.y));
    // Closing on itself, with the pivot inboard of or above the lower one,
    // and the coincident pivot and joint fault: the golden cases.
}

TEST(WheelRateFromSpring, LeverRatioAndAngle)
{
    EXPECT_EQ(wheelRateFromSpring(500, 8, 0, 0), 0.0);
    EXPECT_NEAR(wheelRateFromSpring(500, 8, 16, 0), 125.0, 1e-4);
    EXPECT_NEAR(
        wheelRateFromSpring(500, 8, 16, 60 * kRadPerDeg), 31.25, 5e-3); // 0.017453, not pi/180
}

} // namespace
} // namespace tarvik
