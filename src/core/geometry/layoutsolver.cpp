// The layout solve and the dive-and-roll motion (see layoutsolver.h).
//
// The order of the steps matters beyond the obvious: the line routines may
// move a point lying exactly on the centreline to x = 1e-7, and everything
// solved after that sees the moved point.
#include "core/geometry/layoutsolver.h"

#include "core/geometry/primitives.h"

#include <cmath>
#include <numbers>

namespace tarvik {

namespace {

// Chassis outline points sit this far inboard of their frame pivots (inches).
constexpr float kChassisInset = 3.0f;

double distance(const LayoutPoint &a, const LayoutPoint &b)
{
    const double dx = double(a.x) - double(b.x);
    const double dy = double(a.y) - double(b.y);
    return std::sqrt(dx * dx + dy * dy);
}

int linkSide(int s)
{
    return s == kSideRight ? kLinkRightSide : kLinkLeftSide;
}

} // namespace

LayoutSolver::LayoutSolver(
    const LayoutInputs &inputs, SuspensionType type, EntryMode mode, FaultLog *faults)
    : m_inputs(inputs)
    , m_type(type)
    , m_mode(type == SuspensionType::Strut ? EntryMode::XAndHeight : mode)
    , m_faults(faults)
{
}

void LayoutSolver::readPoints()
{
    for (int s = 0; s < 2; ++s) {
        Side &d = m_side[s];
        d = Side {};
        const double sign = s == kSideRight ? -1.0 : 1.0;
        const SideInputs &in = m_inputs.side[static_cast<std::size_t>(s)];
        const std::pair<LayoutPoint *, const TypedPoint *> points[6]
            = { { &d.ubj, &in.upperBallJoint }, { &d.ufp, &in.upperFramePivot },
                  { &d.lbj, &in.lowerBallJoint }, { &d.lfp, &in.lowerFramePivot },
                  { &d.usp, &in.upperSpringPad }, { &d.lsp, &in.lowerSpringPad } };
        for (const auto &[point, typed] : points) {
            storeFloat(point->x, sign * typed->x, m_faults);
            storeFloat(point->y, typed->height, m_faults);
        }
        if (m_mode == EntryMode::LengthAndAngle) {
            deriveArmEnds(s);
        }
    }

    const bool strut = m_type == SuspensionType::Strut;
    const Side &left = m_side[kSideLeft];
    const Side &right = m_side[kSideRight];
    const LayoutPoint &leftTop = strut ? left.ubj : left.ufp;
    const LayoutPoint &rightTop = strut ? right.ubj : right.ufp;
    m_chassis[0] = { left.lfp.x - kChassisInset, left.lfp.y };
    m_chassis[1] = { leftTop.x - kChassisInset, leftTop.y };
    m_chassis[2] = { rightTop.x + kChassisInset, rightTop.y };
    m_chassis[3] = { right.lfp.x + kChassisInset, right.lfp.y };
    if (strut) {
        // The strut tower point sits halfway up the chassis side.
        m_chassis[1] = { toSingle((double(m_chassis[0].x) + double(m_chassis[1].x)) / 2),
            toSingle((double(m_chassis[0].y) + double(m_chassis[1].y)) / 2) };
        m_chassis[2] = { toSingle((double(m_chassis[3].x) + double(m_chassis[2].x)) / 2),
            toSingle((double(m_chassis[3].y) + double(m_chassis[2].y)) / 2) };
        for (Side &d : m_side) {
            // The lower strut location rides on the strut at a fixed angle
            // (degrees, no quadrant correction) and distance from the ball joint.
            const double dx = double(d.ufp.x) - double(d.lbj.x);
            const double dy = double(d.ufp.y) - double(d.lbj.y);
            d.strutOffsetAngle = dx == 0 ? 90.0 : std::atan(dy / dx) / kRadPerDeg;
            d.strutOffsetDist = distance(d.ufp, d.lbj);
        }
    }
}

void LayoutSolver::deriveArmEnds(int s)
{
    // The angle is the arm's, from the frame pivot outward to the ball joint,
    // positive when the ball joint is higher; the right side is mirrored.
    Side &d = m_side[s];
    const SideInputs &in = m_inputs.side[static_cast<std::size_t>(s)];
    const double upperLength = in.upperArm.length;
    if (upperLength > 0) {
        const double a = in.upperArm.angle * kRadPerDeg;
        const double dx = upperLength * std::cos(a);
        const double dy = upperLength * std::sin(a);
        storeFloat(d.ufp.x, s == kSideLeft ? double(d.ubj.x) - dx : double(d.ubj.x) + dx, m_faults);
        storeFloat(d.ufp.y, double(d.ubj.y) - dy, m_faults);
        d.upperDerived = true;
    }
    const double lowerLength = in.lowerArm.length;
    if (lowerLength > 0) {
        const double a = in.lowerArm.angle * kRadPerDeg;
        const double dx = lowerLength * std::cos(a);
        const double dy = lowerLength * std::sin(a);
        storeFloat(d.lbj.x, s == kSideLeft ? double(d.lfp.x) + dx : double(d.lfp.x) - dx, m_faults);
        storeFloat(d.lbj.y, double(d.lfp.y) + dy, m_faults);
        d.lowerDerived = true;
    }
}

void LayoutSolver::solve(bool staticPass)
{
    const bool strut = m_type == SuspensionType::Strut;
    for (int s = 0; s < 2; ++s) {
        Side &d = m_side[s];
        // Tyre contact: outboard of the ball joint by hub distance and half
        // the rim, less the rim offset beyond half an inch; on the ground.
        const SideInputs &in = m_inputs.side[static_cast<std::size_t>(s)];
        const double outboard = in.hubDistance + in.rimWidth / 2 - (in.rimOffset - 0.5);
        if (s == kSideLeft) {
            storeFloat(d.contact.x, double(d.lbj.x) + outboard, m_faults);
        } else {
            storeFloat(d.contact.x, -(-double(d.lbj.x) + outboard), m_faults);
        }
        d.contact.y = 0.0f;
        d.contactDistance = s == kSideLeft ? double(d.contact.x) : -double(d.contact.x);

        if (staticPass) {
            d.knuckleLen = distance(d.ubj, d.lbj);
            d.frameLen = distance(d.lfp, d.ufp);
            d.upperLen = distance(d.ufp, d.ubj);
            d.lowerLen = distance(d.lfp, d.lbj);
            const double toDegrees = s == kSideLeft ? kDegPerRad : -kDegPerRad;
            d.upperAngle = std::atan(lineSlope(d.ufp, d.ubj)) * toDegrees;
            d.lowerAngle = std::atan(lineSlope(d.lfp, d.lbj)) * toDegrees;
        }

        if (strut) {
            // The upper line of the instant centre is the perpendicular to
            // the strut axis through the body mount.
            const LayoutPoint &t = d.ubj;
            const LayoutPoint &sp = d.ufp;
            LayoutPoint q { toSingle(double(t.x) - (double(t.y) - double(sp.y))),
                toSingle(double(t.y) + (double(t.x) - double(sp.x))) };
            if (q.x == 0.0f || q.y == 0.0f) {
                q = { toSingle(double(t.x) - 2 * (double(t.y) - double(sp.y))),
                    toSingle(double(t.y) + 2 * (double(t.x) - double(sp.x))) };
            }
            intersectLines(q, d.ubj, d.lfp, d.lbj, d.ic, m_faults);
        } else {
            intersectLines(d.ufp, d.ubj, d.lfp, d.lbj, d.ic, m_faults);
        }
        solveKingPin(s);
    }

    // Roll centre: where the two lines from the tyre contacts through the
    // instant centres cross.
    Side &left = m_side[kSideLeft];
    Side &right = m_side[kSideRight];
    const double mL = lineSlope(left.ic, left.contact);
    const double bL = lineHeightAtCenter(left.ic, left.contact, m_faults);
    const double mR = lineSlope(right.ic, right.contact);
    const double bR = lineHeightAtCenter(right.ic, right.contact, m_faults);
    if (mL != mR) {
        if (storeFloat(m_rollCenter.x,
                checkedDivide(bL - bR, mR - mL, double(m_rollCenter.x), m_faults), m_faults)) {
            storeFloat(m_rollCenter.y, bL + mL * double(m_rollCenter.x), m_faults);
        }
    } else {
        m_rollCenter = { 0.0f, 0.0f };
    }

    for (Side &d : m_side) {
        const double rise = double(d.usp.y) - double(d.lsp.y);
        d.springAngleRad
            = d.usp.y == d.lsp.y ? 0.0 : std::atan((double(d.usp.x) - double(d.lsp.x)) / rise);
        d.springLength = distance(d.usp, d.lsp);
    }
}

void LayoutSolver::solveKingPin(int s)
{
    Side &d = m_side[s];
    if (d.lbj.x == d.ubj.x) {
        d.kpGround = { d.lbj.x, 0.0f };
        d.knuckleAngle = 90.0;
    } else {
        d.kpGround = { -100.0f, 0.0f };
        LayoutPoint groundEnd { 100.0f, 0.0f };
        intersectLines(d.lbj, d.ubj, d.kpGround, groundEnd, d.kpGround, m_faults);
        const double slope = lineSlope(d.lbj, d.ubj);
        const double angle = std::atan(slope) * kDegPerRad;
        if (s == kSideLeft) {
            d.knuckleAngle = slope > 0 ? angle : angle + 180.0;
        } else {
            d.knuckleAngle = slope < 0 ? angle + 180.0 : angle;
        }
    }
    if (s == kSideLeft) {
        d.scrub = double(d.contact.x) - double(d.kpGround.x);
    } else {
        d.scrub = d.contactDistance + double(d.kpGround.x);
    }
}

void LayoutSolver::saveStatic()
{
    m_saved = m_side;
}

bool LayoutSolver::move(double diveIn, double rollDeg)
{
    const double heightOffset = -diveIn;
    const double rollRad = rollDeg * kRadPerDeg;
    bool problem = false;
    moveSide(kSideLeft, rollRad, heightOffset, problem);
    moveSide(kSideRight, rollRad, heightOffset, problem);
    const LayoutPoint origin;
    for (LayoutPoint &p : m_chassis) {
        rollAndDivePoint(p, origin, rollRad, heightOffset, m_faults);
    }
    return problem;
}

void LayoutSolver::moveSide(int s, double rollRad, double heightOffset, bool &problem)
{
    Side &d = m_side[s];
    const Side &saved = m_saved[s];
    const bool strut = m_type == SuspensionType::Strut;
    const LayoutPoint origin;

    rollAndDivePoint(strut ? d.ubj : d.ufp, origin, rollRad, heightOffset, m_faults);
    const LayoutPoint oldLfp = d.lfp;
    rollAndDivePoint(d.lfp, origin, rollRad, heightOffset, m_faults);
    // The tyre stays on the ground, so the ball joint keeps its height and
    // swings sideways on the lower arm.
    const LayoutPoint oldLbj = d.lbj;
    swingArmEnd(oldLfp, oldLbj, d.lfp, d.lbj, m_faults);

    if (strut) {
        placeStrut(s, problem);
    } else {
        const int status = solveUpperJoint(d.ubj, d.ufp, d.lbj, d.lfp, saved.knuckleLen,
            saved.frameLen, saved.upperLen, saved.lowerLen, linkSide(s), m_faults);
        if (status != kLinkSolved) {
            problem = true;
        }
    }

    // Both angles in screen terms: the right side's stored angle reads mirrored.
    const double newLowerAngle = std::atan(lineSlope(d.lfp, d.lbj)) * kDegPerRad;
    const double oldLowerAngle = s == kSideLeft ? saved.lowerAngle : -saved.lowerAngle;
    carryPointWithArm(oldLfp, d.lfp, oldLowerAngle, newLowerAngle, d.lsp, m_faults);
    rollAndDivePoint(d.usp, origin, rollRad, heightOffset, m_faults);
}

void LayoutSolver::placeStrut(int s, bool &problem)
{
    // The knuckle (lower ball joint and lower strut location, rigid) turns
    // about the moved ball joint by the angle t that puts the moved body
    // mount back on the strut axis, which is fixed in the knuckle. With d the
    // static offset of the lower strut location from the ball joint, u the
    // static axis direction and n = u turned a quarter turn, the mount lies
    // on the turned axis when w.R(t)n = d.n, w being the mount seen from the
    // moved ball joint. Of the two roots, the one within a quarter turn that
    // keeps the mount ahead of the lower strut location, and the smaller.
    Side &d = m_side[s];
    const Side &saved = m_saved[s];
    d.strutTurnRad.reset();
    const double offX = double(saved.ufp.x) - double(saved.lbj.x);
    const double offY = double(saved.ufp.y) - double(saved.lbj.y);
    const double axisX = double(saved.ubj.x) - double(saved.ufp.x);
    const double axisY = double(saved.ubj.y) - double(saved.ufp.y);
    const double axisLen = std::hypot(axisX, axisY);
    const double wX = double(d.ubj.x) - double(d.lbj.x);
    const double wY = double(d.ubj.y) - double(d.lbj.y);
    const double wLen = std::hypot(wX, wY);
    if (axisLen > 0 && wLen > 0) {
        const double ux = axisX / axisLen;
        const double uy = axisY / axisLen;
        const double nx = -uy;
        const double ny = ux;
        const double c = (offX * nx + offY * ny) / wLen;
        if (std::fabs(c) <= 1.0) {
            const double base = std::atan2(wY, wX) - std::atan2(ny, nx);
            const double spread = std::acos(c);
            for (const double t0 : { base - spread, base + spread }) {
                const double t = std::remainder(t0, 2 * std::numbers::pi);
                if (std::fabs(t) > std::numbers::pi / 2) {
                    continue;
                }
                const double ct = std::cos(t);
                const double st = std::sin(t);
                const double aheadX = wX - (ct * offX - st * offY);
                const double aheadY = wY - (st * offX + ct * offY);
                if (aheadX * (ct * ux - st * uy) + aheadY * (st * ux + ct * uy) <= 0) {
                    continue;
                }
                if (!d.strutTurnRad || std::fabs(t) < std::fabs(*d.strutTurnRad)) {
                    d.strutTurnRad = t;
                }
            }
        }
    }
    if (d.strutTurnRad) {
        const double ct = std::cos(*d.strutTurnRad);
        const double st = std::sin(*d.strutTurnRad);
        storeFloat(d.ufp.x, double(d.lbj.x) + ct * offX - st * offY, m_faults);
        storeFloat(d.ufp.y, double(d.lbj.y) + st * offX + ct * offY, m_faults);
        return;
    }

    // No turn closes the strut: the lower strut location rides at its static
    // offset angle, corrected by the turn of the ball joint to mount line,
    // and the layout is flagged.
    problem = true;
    const double m = lineSlope(d.lbj, d.ubj);
    double strutAngle = std::atan(m) * kDegPerRad;
    if (s == kSideLeft ? !(m > 0) : m < 0) {
        strutAngle += 180.0;
    }
    const double offsetAngle = saved.strutOffsetAngle - (saved.knuckleAngle - strutAngle);
    const double dx = saved.strutOffsetDist * std::cos(kRadPerDeg * offsetAngle);
    const double dy = saved.strutOffsetDist * std::sin(kRadPerDeg * offsetAngle);
    const double sign = s == kSideLeft ? -1.0 : 1.0;
    storeFloat(d.ufp.x, double(d.lbj.x) + sign * dx, m_faults);
    storeFloat(d.ufp.y, double(d.lbj.y) + sign * dy, m_faults);
}

double LayoutSolver::camberChange(int side) const
{
    const Side &d = m_side[side];
    if (m_type == SuspensionType::Strut && d.strutTurnRad) {
        const double turnDeg = *d.strutTurnRad * kDegPerRad;
        return side == kSideRight ? turnDeg : -turnDeg;
    }
    const double change = d.knuckleAngle - m_saved[side].knuckleAngle;
    return side == kSideRight ? change : -change;
}

std::array<double, 2> LayoutSolver::wheelRates() const
{
    const Side &r = m_side[kSideRight];
    const Side &l = m_side[kSideLeft];
    // Levers are horizontal distances from the lower frame pivot, outboard positive.
    return { wheelRateFromSpring(m_inputs.side[kSideRight].springRate,
                 double(r.lfp.x) - double(r.lsp.x), double(r.lfp.x) - double(r.lbj.x),
                 r.springAngleRad),
        wheelRateFromSpring(m_inputs.side[kSideLeft].springRate, double(l.lsp.x) - double(l.lfp.x),
            double(l.lbj.x) - double(l.lfp.x), l.springAngleRad) };
}

double LayoutSolver::armLength(int side, bool upper) const
{
    return upper ? m_side[side].upperLen : m_side[side].lowerLen;
}

double LayoutSolver::armAngle(int side, bool upper) const
{
    const Side &d = m_side[side];
    if (!upper) {
        return d.lowerAngle;
    }
    if (m_type == SuspensionType::Strut) {
        // The strut row shows the strut's lean from the vertical.
        return d.upperAngle < 0 ? -90.0 - d.upperAngle : 90.0 - d.upperAngle;
    }
    return d.upperAngle;
}

void LayoutSolver::fill(PassSolution &pass) const
{
    for (int s = 0; s < 2; ++s) {
        const Side &d = m_side[s];
        SideSolution &out = pass.side[s];
        out.upperBallJoint = d.ubj;
        out.upperFramePivot = d.ufp;
        out.lowerBallJoint = d.lbj;
        out.lowerFramePivot = d.lfp;
        out.upperSpringPad = d.usp;
        out.lowerSpringPad = d.lsp;
        out.instantCenter = d.ic;
        out.contactPoint = d.contact;
        out.kingPinGround = d.kpGround;
        out.knuckleAngle = d.knuckleAngle;
        out.kingPinAngle = s == kSideRight ? 90.0 - d.knuckleAngle : d.knuckleAngle - 90.0;
        out.scrubRadius = d.scrub;
        out.contactDistance = d.contactDistance;
        out.upperArmLength = d.upperLen;
        out.upperArmAngle = armAngle(s, true);
        out.lowerArmLength = d.lowerLen;
        out.lowerArmAngle = d.lowerAngle;
        out.springLength = d.springLength;
        // Shown positive when the spring's top leans toward the centreline.
        const double springDeg = -d.springAngleRad * kDegPerRad;
        out.springAngle = s == kSideRight ? -springDeg : springDeg;
    }
    pass.rollCenter = m_rollCenter;
    pass.chassis = m_chassis;
}

} // namespace tarvik
