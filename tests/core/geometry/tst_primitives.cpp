// The geometric primitives: their arithmetic on ordinary points and every
// degenerate rule (vertical lines, points on the centreline, parallel lines,
// points straight above a pivot, unreachable heights, unclosable linkages).
#include "core/geometry/primitives.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tarvik {
namespace {

constexpr double kTol = 1e-5;

TEST(LineSlope, OrdinaryAndVertical)
{
    EXPECT_NEAR(lineSlope({ 10, 6 }, { 26, 5 }), -1.0 / 16, kTol);
    EXPECT_EQ(lineSlope({ 3, 1 }, { 3, 9 }), 0.0); // vertical reported as 0
    // The quotient is rounded to single precision.
    EXPECT_EQ(lineSlope({ 0, 0 }, { 3, 1 }), double(1.0f / 3.0f));
}

TEST(LineHeightAtCenter, HeightAndDegenerateCases)
{
    LayoutPoint a { 10, 6 }, b { 26, 5 };
    EXPECT_NEAR(lineHeightAtCenter(a, b), 6.625, kTol);

    LayoutPoint v1 { 4, 1 }, v2 { 4, 7 };
    EXPECT_EQ(lineHeightAtCenter(v1, v2), 0.0);

    // A point on the centreline is moved off it in the caller's storage.
    LayoutPoint c { 0, 3 }, d { 2, 5 };
    EXPECT_NEAR(lineHeightAtCenter(c, d), 3.0, 1e-4);
    EXPECT_EQ(c.x, 1e-7f);
    EXPECT_EQ(d.x, 2.0f);
}

TEST(IntersectLines, CrossingParallelAndVertical)
{
    const struct
    {
        const char *name;
        LayoutPoint a1, a2, b1, b2, expected;
        double tol;
    } cases[] = {
        { "crossing", { 12, 14 }, { 24, 15 }, { 10, 6 }, { 26, 5 }, { -43.714287f, 9.357142f },
            1e-4 },
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

TEST(IntersectLines, OutMayBeAnInput)
{
    LayoutPoint lbj { 26, 5 }, ubj { 24, 15 }, ground { -100, 0 }, end { 100, 0 };
    intersectLines(lbj, ubj, ground, end, ground);
    EXPECT_NEAR(ground.x, 27.0, 1e-4);
    EXPECT_NEAR(ground.y, 0.0, 1e-4);
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
        { "no move", { 0, 0 }, { 0, 0 }, 10, 10, { 3, 4 }, { 3, 4 } },
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

TEST(RollAndDivePoint, TurnsAboutOriginAndLifts)
{
    LayoutPoint p { 10, 6 };
    rollAndDivePoint(p, {}, 0, -1);
    EXPECT_NEAR(p.x, 10, 1e-4);
    EXPECT_NEAR(p.y, 5, 1e-4);

    LayoutPoint onCenter { 0, 8 };
    rollAndDivePoint(onCenter, {}, 0, 0);
    EXPECT_NEAR(onCenter.x, 0, 1e-3);
    EXPECT_NEAR(onCenter.y, 8, 1e-4);

    // A positive roll raises the car's left side (positive x).
    LayoutPoint left { 20, 0 }, right { -20, 0 };
    rollAndDivePoint(left, {}, 2 * kRadPerDeg, 0);
    rollAndDivePoint(right, {}, 2 * kRadPerDeg, 0);
    EXPECT_GT(left.y, 0.6);
    EXPECT_LT(right.y, -0.6);
    EXPECT_NEAR(left.y, -right.y, 1e-3);
}

TEST(SwingArmEnd, KeepsLengthOrDropsUnderPivot)
{
    LayoutPoint m { 0, 5 };
    swingArmEnd({ 10, 6 }, { 26, 5 }, { 10, 5 }, m);
    EXPECT_NEAR(m.x, 10 + std::sqrt(257.0), 1e-4);

    LayoutPoint mirrored { 0, 5 };
    swingArmEnd({ -10, 6 }, { -26, 5 }, { -10, 5 }, mirrored);
    EXPECT_NEAR(mirrored.x, -10 - std::sqrt(257.0), 1e-4);

    LayoutPoint unreachable { 0, 40 };
    swingArmEnd({ 10, 6 }, { 26, 5 }, { 11, 6 }, unreachable);
    EXPECT_EQ(unreachable.x, 11.0f);

    LayoutPoint vertical { 0, 2 };
    swingArmEnd({ 10, 6 }, { 10, 1 }, { 12, 6 }, vertical);
    EXPECT_EQ(vertical.x, 12.0f);
}

double len(LayoutPoint a, LayoutPoint b)
{
    return std::hypot(double(a.x) - b.x, double(a.y) - b.y);
}

TEST(SolveUpperJoint, UnmovedLayoutClosesOnItselfOnBothSides)
{
    // The worked example's upper frame pivot, then one inboard of and one
    // straight above the lower frame pivot.
    for (const LayoutPoint pivot :
        { LayoutPoint { 12, 14 }, LayoutPoint { 8, 14 }, LayoutPoint { 10, 14 } }) {
        for (const int side : { kLinkLeftSide, kLinkRightSide }) {
            const float m = side == kLinkLeftSide ? 1.0f : -1.0f;
            const LayoutPoint u0 { m * 24, 15 }, f { m * pivot.x, pivot.y }, b { m * 26, 5 },
                g { m * 10, 6 };
            LayoutPoint u = u0;
            EXPECT_EQ(
                solveUpperJoint(u, f, b, g, len(u0, b), len(g, f), len(f, u0), len(g, b), side),
                kLinkSolved);
            EXPECT_NEAR(u.x, u0.x, 1e-3) << "pivot x " << pivot.x << " side " << side;
            EXPECT_NEAR(u.y, u0.y, 1e-3);
        }
    }
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
    EXPECT_TRUE(std::isfinite(v.x));
    EXPECT_TRUE(std::isfinite(v.y));
}

TEST(SolveUpperJoint, CoincidentPivotAndJointIsAFault)
{
    FaultLog faults;
    LayoutPoint u { 24, 15 };
    solveUpperJoint(u, { 26, 5 }, { 26, 5 }, { 10, 6 }, 10, 16, 10, 16, kLinkLeftSide, &faults);
    ASSERT_FALSE(faults.codes.empty());
    EXPECT_EQ(faults.codes.front(), kFaultDivisionByZero);
    EXPECT_TRUE(std::isfinite(u.x));
    EXPECT_TRUE(std::isfinite(u.y));
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
