// The solved numbers of one layout (see layoutnumbers.h).
#include "core/geometry/layoutnumbers.h"

#include "core/geometry/layoutsolver.h"
#include "core/layout/entrynumbers.h"
#include "core/layout/units.h"

namespace tarvik {

namespace {

bool anyBlank(const LayoutInputs &in, std::initializer_list<PointRow> rows)
{
    for (int s = 0; s < 2; ++s) {
        for (const PointRow row : rows) {
            for (const int column : { kColumnX, kColumnHeight }) {
                const bool arm = row == kUpperArmDim || row == kLowerArmDim;
                if (in.blank(arm ? Entry::armDimension(s, row, column)
                                 : Entry::coordinate(s, row, column))) {
                    return true;
                }
            }
        }
    }
    return false;
}

void scalePoint(LayoutPoint &p, double factor)
{
    p = { toSingle(p.x * factor), toSingle(p.y * factor) };
}

} // namespace

LayoutPasses::LayoutPasses(const LayoutInputs &inputs, const NumbersRequest &request)
    : m_inputs(inputs)
    , m_request(request)
    , m_readFaults(inputs.faults())
    , m_solver(inputs, request.suspensionType, request.entryMode, &m_base.faults)
{
    LayoutNumbers &out = m_base;
    FaultLog &faults = out.faults;
    faults.codes = inputs.faults();
    const double staticCamber[2]
        = { inputs.side[kSideRight].staticCamber, inputs.side[kSideLeft].staticCamber };

    // Static pass.
    LayoutSolver &solver = m_solver;
    solver.readPoints();
    solver.solve(true);
    solver.fill(out.staticPass);
    for (int s = 0; s < 2; ++s) {
        SideSolution &d = out.staticPass.side[s];
        d.camber = staticCamber[s];
        d.spindleAngle = d.camber + d.kingPinAngle;
        out.camber[s] = staticCamber[s];
        out.derivedArm[s] = { solver.derivedArm(s, true), solver.derivedArm(s, false) };
    }
    solver.saveStatic();

    // Camber-gain pass: the static layout moved by the gain definition.
    out.layoutProblem = solver.move(request.gainDive, request.gainRoll) || out.layoutProblem;
    solver.solve(false);
    out.wheelRate = solver.wheelRates();
    for (double &rate : out.wheelRate) {
        rate = checkedValue(rate, 0.0, &faults);
    }
    PassSolution &gain = out.gainPass;
    solver.fill(gain);
    gain.diveIn = request.gainDive;
    gain.rollDeg = request.gainRoll;
    out.camberGain = { solver.camberChange(kSideRight), solver.camberChange(kSideLeft) };
    for (int s = 0; s < 2; ++s) {
        gain.side[s].camber = staticCamber[s];
        gain.side[s].spindleAngle = staticCamber[s] + gain.side[s].kingPinAngle;
    }
    const double rightSpringRate = inputs.side[kSideRight].springRate;
    if (rightSpringRate > 0) {
        out.rightWheelRateRatio = out.wheelRate[kSideRight] / rightSpringRate;
    }

    m_blankWatched = request.entryMode == EntryMode::LengthAndAngle
        ? anyBlank(inputs,
            { kUpperBallJoint, kUpperFramePivot, kLowerBallJoint, kLowerFramePivot, kUpperArmDim,
                kLowerArmDim })
        : anyBlank(
            inputs, { kUpperBallJoint, kUpperFramePivot, kLowerBallJoint, kLowerFramePivot });
}

void LayoutPasses::solve(LayoutNumbers &out, bool diveRoll) const
{
    out = m_base;
    const std::vector<int> &readFaults = m_inputs.faults();
    if (readFaults.size() != m_readFaults.size()) {
        // Reading the dive or roll met a fault: it comes before the passes'.
        out.faults.codes = readFaults;
        out.faults.codes.insert(out.faults.codes.end(),
            m_base.faults.codes.begin() + static_cast<std::ptrdiff_t>(m_readFaults.size()),
            m_base.faults.codes.end());
    }

    // Dive-and-roll pass: the layout read afresh and moved by the shown
    // dive and roll, compared with the values saved from the static pass.
    if (diveRoll) {
        const double staticCamber[2]
            = { m_inputs.side[kSideRight].staticCamber, m_inputs.side[kSideLeft].staticCamber };
        LayoutSolver solver = m_solver;
        solver.setFaultLog(&out.faults);
        const double dive = m_inputs.dive;
        const double roll = m_inputs.roll;
        solver.readPoints();
        out.layoutProblem = solver.move(dive, roll) || out.layoutProblem;
        solver.solve(false);
        PassSolution &moved = out.movedPass;
        out.moved = true;
        solver.fill(moved);
        moved.diveIn = dive;
        moved.rollDeg = roll;
        out.camber[kSideLeft] = staticCamber[kSideLeft] + solver.camberChange(kSideLeft);
        out.camber[kSideRight] = staticCamber[kSideRight] + solver.camberChange(kSideRight);
        for (int s = 0; s < 2; ++s) {
            moved.side[s].camber = out.camber[s];
            moved.side[s].spindleAngle = out.camber[s] + moved.side[s].kingPinAngle;
            out.springCompression[s] = solver.staticSpringLength(s) - solver.springLength(s);
        }
    }
    out.showGeometryWarning = out.layoutProblem && !m_blankWatched;
}

LayoutNumbers solveLayoutNumbers(const LayoutInputs &inputs, const NumbersRequest &request)
{
    LayoutNumbers out;
    LayoutPasses(inputs, request).solve(out);
    return out;
}

void scalePass(PassSolution &pass, double factor)
{
    for (SideSolution &d : pass.side) {
        for (LayoutPoint *p : { &d.upperBallJoint, &d.upperFramePivot, &d.lowerBallJoint,
                 &d.lowerFramePivot, &d.upperSpringPad, &d.lowerSpringPad, &d.instantCenter,
                 &d.contactPoint, &d.kingPinGround }) {
            scalePoint(*p, factor);
        }
        for (double *length : { &d.scrubRadius, &d.contactDistance, &d.upperArmLength,
                 &d.lowerArmLength, &d.springLength }) {
            *length *= factor;
        }
    }
    scalePoint(pass.rollCenter, factor);
    for (LayoutPoint &p : pass.chassis) {
        scalePoint(p, factor);
    }
    pass.diveIn *= factor;
}

void toLayoutUnits(LayoutNumbers &numbers, Units units)
{
    if (units == Units::English) {
        return;
    }
    const double length = unitFactor(Quantity::Length, units);
    const double rate = unitFactor(Quantity::Rate, units);
    scalePass(numbers.staticPass, length);
    scalePass(numbers.gainPass, length);
    if (numbers.moved) {
        scalePass(numbers.movedPass, length);
    }
    for (int s = 0; s < 2; ++s) {
        numbers.wheelRate[static_cast<std::size_t>(s)] *= rate;
        numbers.springCompression[static_cast<std::size_t>(s)] *= length;
    }
    // The wheel-rate ratio is the same in any units.
}

bool hasShownFault(const FaultLog &faults)
{
    for (const int code : faults.codes) {
        if (code != kFaultOverflow) {
            return true;
        }
    }
    return false;
}

} // namespace tarvik
