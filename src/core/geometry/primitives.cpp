// The geometric primitives of the layout solve (see primitives.h for the
// conventions). Each routine follows its arithmetic step by step: the order
// of the single-precision roundings decides the last digits of the results.
#include "core/geometry/primitives.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace tarvik {

namespace {

float f32(double value)
{
    return toSingle(value);
}

double sgn(double value)
{
    return value > 0 ? 1.0 : (value < 0 ? -1.0 : 0.0);
}

double distance(const LayoutPoint &a, const LayoutPoint &b)
{
    const double dx = double(a.x) - double(b.x);
    const double dy = double(a.y) - double(b.y);
    return std::sqrt(dx * dx + dy * dy);
}

// Angle of p seen from the lower frame pivot g, measured in the side's own
// frame where outboard is positive (the right side is held mirrored), so
// that pivots inboard of or straight above g keep their true quadrant.
double outboardAngleDeg(const LayoutPoint &g, const LayoutPoint &p, int side)
{
    const double dxo
        = side == kLinkLeftSide ? double(p.x) - double(g.x) : double(g.x) - double(p.x);
    if (f32(dxo) == 0.0f) {
        return p.y < g.y ? -90.0 : 90.0;
    }
    double angle = std::atan(lineSlope(g, p)) * kDegPerRad;
    if (side == kLinkRightSide) {
        angle = -angle;
    }
    if (dxo < 0) {
        angle += 180.0;
    }
    return angle;
}

} // namespace

double lineSlope(const LayoutPoint &p1, const LayoutPoint &p2)
{
    const float d = f32(double(p1.x) - double(p2.x));
    if (d == 0.0f) {
        return 0.0;
    }
    // Both differences are exact in double; only the quotient is rounded.
    return f32((double(p1.y) - double(p2.y)) / (double(p1.x) - double(p2.x)));
}

double lineHeightAtCenter(LayoutPoint &p1, LayoutPoint &p2, FaultLog *faults)
{
    if (p1.x == 0.0f) {
        p1.x = 1e-7f;
    }
    if (p2.x == 0.0f) {
        p2.x = 1e-7f;
    }
    if (p1.x == p2.x) {
        return 0.0;
    }
    const double x1 = p1.x;
    const double x2 = p2.x;
    const double height = checkedDivide(p2.y / x2 - p1.y / x1, 1.0 / x2 - 1.0 / x1, 0.0, faults);
    float stored = 0.0f;
    storeFloat(stored, height, faults);
    return stored;
}

void intersectLines(LayoutPoint &a1, LayoutPoint &a2, LayoutPoint &b1, LayoutPoint &b2,
    LayoutPoint &out, FaultLog *faults)
{
    double m1 = lineSlope(a1, a2);
    const double h1 = lineHeightAtCenter(a1, a2, faults);
    const double m2 = lineSlope(b1, b2);
    const double h2 = lineHeightAtCenter(b1, b2, faults);
    if (m2 == m1) {
        m1 = b2.x >= 0.0f ? m2 + 0.01 : m2 - 0.01;
    }
    // Every input is read above, so out may alias any of them.
    float x = out.x;
    if (!storeFloat(x, checkedDivide(h2 - h1, m1 - m2, double(out.x), faults), faults)) {
        return;
    }
    out.x = x;
    storeFloat(out.y, h1 + double(x) * m1, faults);
}

double pointAngleFrom(const LayoutPoint &pivot, const LayoutPoint &q)
{
    const double dx = double(q.x) - double(pivot.x);
    const double dy = double(q.y) - double(pivot.y);
    if (f32(dx) == 0.0f) {
        // Straight above or below: a quarter turn, not the horizontal.
        return dy > 0 ? kQuarterTurn : (dy < 0 ? -kQuarterTurn : 0.0);
    }
    double theta = std::atan(dy / dx);
    if (dx < 0) {
        theta += kHalfTurn;
    }
    return theta;
}

namespace {

// q's offset from pivot after turning it about pivot by turnRad: the
// arithmetic of the motion steps (polar form with the 3.14159 half turn,
// then sine and cosine of the turned angle).
struct TurnedOffset
{
    double across = 0, up = 0;
};

TurnedOffset computeTurnedOffset(const LayoutPoint &pivot, const LayoutPoint &q, double turnRad)
{
    const double theta = pointAngleFrom(pivot, q);
    const double r = distance(q, pivot);
    const double phi = theta + turnRad;
    return { r * std::cos(phi), r * std::sin(phi) };
}

// A sweep or a search rolls the same static points by the same angles over
// and over (every dive of a roll column, every point a search does not
// vary). The offset is a pure function of its inputs, so an answer
// remembered for exactly equal inputs is the one the arithmetic gives; a
// small direct-mapped memory per thread saves the atan, root, sine and
// cosine of those repeats.
struct TurnMemo
{
    // The inputs' bits: -0 and 0 are told apart, as the arithmetic can.
    std::uint64_t point = 0, pivot = 0, turn = 0;
    TurnedOffset offset;
    bool used = false;
};

constexpr std::size_t kTurnMemoSize = 256;

// A number's bits (memcpy: the browser build's library has no bit_cast).
template <class Bits, class T> Bits bitsOf(T value)
{
    static_assert(sizeof(Bits) == sizeof(T));
    Bits bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

TurnedOffset turnedOffset(const LayoutPoint &pivot, const LayoutPoint &q, double turnRad)
{
    thread_local std::array<TurnMemo, kTurnMemoSize> memory;
    const auto pointBits = [](const LayoutPoint &p) {
        return std::uint64_t(bitsOf<std::uint32_t>(p.x)) << 32 | bitsOf<std::uint32_t>(p.y);
    };
    const std::uint64_t point = pointBits(q);
    const std::uint64_t around = pointBits(pivot);
    const std::uint64_t turn = bitsOf<std::uint64_t>(turnRad);
    // The point and the angle are mixed apart: a mirrored point turned the
    // other way must not land in the same place.
    std::uint64_t mixed = point ^ std::rotl(turn, 29) ^ std::rotl(around, 47);
    mixed = (mixed ^ (mixed >> 31)) * 0x9E3779B97F4A7C15ull;
    mixed = (mixed ^ (mixed >> 29)) * 0xC2B2AE3D27D4EB4Full;
    TurnMemo &m = memory[(mixed >> 56) % kTurnMemoSize];
    if (m.used && m.point == point && m.pivot == around && m.turn == turn) {
        return m.offset;
    }
    const TurnedOffset offset = computeTurnedOffset(pivot, q, turnRad);
    m = { point, around, turn, offset, true };
    return offset;
}

} // namespace

void carryPointWithArm(const LayoutPoint &oldPivot, const LayoutPoint &newPivot, double oldAngleDeg,
    double newAngleDeg, LayoutPoint &q, FaultLog *faults)
{
    // Not remembered: the arm's turn differs at every step.
    const TurnedOffset t
        = computeTurnedOffset(oldPivot, q, kRadPerDeg * (newAngleDeg - oldAngleDeg));
    storeFloat(q.y, t.up + double(newPivot.y), faults);
    storeFloat(q.x, t.across + double(newPivot.x), faults);
}

void rollAndDivePoint(LayoutPoint &q, const LayoutPoint &pivot, double rollRad,
    double newHeightOffset, FaultLog *faults)
{
    const TurnedOffset t = turnedOffset(pivot, q, rollRad);
    storeFloat(q.y, t.up + newHeightOffset, faults);
    storeFloat(q.x, t.across, faults);
}

void swingArmEnd(const LayoutPoint &oldFixed, const LayoutPoint &oldMoving,
    const LayoutPoint &newFixed, LayoutPoint &newMoving, FaultLog *faults)
{
    const double dy = f32(double(oldFixed.y) - double(oldMoving.y));
    const double dx = f32(double(oldFixed.x) - double(oldMoving.x));
    const double e = f32(double(newFixed.y) - double(newMoving.y));
    const double h2 = dx * dx + dy * dy - e * e;
    const double h = h2 < 0 ? 0.0 : sgn(dx) * std::sqrt(h2);
    storeFloat(newMoving.x, double(newFixed.x) - h, faults);
}

int solveUpperJoint(LayoutPoint &upper, const LayoutPoint &upperPivot,
    const LayoutPoint &lowerJoint, const LayoutPoint &lowerPivot, double knuckle, double frame,
    double upperArm, double lowerArm, int side, FaultLog *faults)
{
    const double k = knuckle;
    const double f = frame;
    const double a = upperArm;
    const double l = lowerArm;
    int status = kLinkSolved;
    if (k == 0 || f == 0 || a == 0 || l == 0) {
        return status;
    }
    const LayoutPoint &fp = upperPivot;
    const LayoutPoint &b = lowerJoint;
    const LayoutPoint &g = lowerPivot;
    double sinDelta = 0;
    for (;;) {
        const double diagonal = distance(fp, b);
        const double thetaLower = outboardAngleDeg(g, b, side);
        const double thetaFrame = outboardAngleDeg(g, fp, side);
        const double alpha = (thetaFrame - thetaLower) / kDegPerRad;

        const double cosBeta
            = (f * f + l * l - a * a - k * k - 2 * f * l * std::cos(alpha)) / (-2 * k * a);
        double s = 1 - cosBeta * cosBeta;
        if (s <= 0) {
            status = kLinkNotClosed;
            s = 1e-5;
        }
        const double beta = std::atan(-cosBeta / std::sqrt(s)) + kQuarterTurn;
        sinDelta = checkedDivide(std::sqrt(s) * k, diagonal, sinDelta, faults);
        double cosDeltaSq = 1 - sinDelta * sinDelta;
        if (cosDeltaSq <= 0) {
            status = kLinkNotClosed;
            cosDeltaSq = 1.01e-5;
        }
        double delta = std::atan(sinDelta / std::sqrt(cosDeltaSq));
        if (status != kLinkSolved) {
            delta = kHalfTurn - delta; // the obtuse solution
        }
        const double eps = (kHalfTurn - delta) - beta;

        const double dy = double(b.y) - double(fp.y);
        const double dx = double(b.x) - double(fp.x);
        const double t = dx == 0 ? dy / 1e-11 : dy / dx;
        const double phi = side == kLinkRightSide ? std::atan(t) : -std::atan(t);

        storeFloat(upper.y, std::sin(eps + phi) * k + double(b.y), faults);
        const double across = std::cos(eps + phi) * k;
        storeFloat(
            upper.x, side == kLinkLeftSide ? double(b.x) - across : double(b.x) + across, faults);

        const double reach = distance(upper, fp);
        if (std::fabs(1 - checkedDivide(a, reach, 0.0, faults)) <= 0.001) {
            return kLinkSolved;
        }
        if (status != kLinkSolved) {
            return kLinkNotClosed;
        }
        status = 1; // second try, with the obtuse angle at the upper pivot
    }
}

double wheelRateFromSpring(
    double springRate, double springLever, double jointLever, double springAngleRad)
{
    if (jointLever == 0) {
        return 0.0;
    }
    const double ratio = springLever / jointLever;
    const double c = std::cos(springAngleRad);
    return f32(springRate * ratio * ratio * c * c);
}

} // namespace tarvik
