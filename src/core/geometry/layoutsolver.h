// One layout solve: the pick-up points of both sides read from the entry
// texts, the static solve (arm ends, lengths, angles, instant centres,
// king-pin axes, tyre contacts, roll centre, springs) and the chassis motion
// of dive and roll with the linkage closed again on each side.
//
// Side index 0 is the car's right side, held with X negated so both sides
// share one frame (x positive toward the car's left); 1 is the left side.
// Lengths are inches, angles degrees unless a name says Rad.
#pragma once

#include "core/geometry/engine.h"
#include "core/geometry/faultlog.h"
#include "core/geometry/layoutinputs.h"

#include <array>
#include <optional>
#include <utility>

namespace tarvik {

class LayoutSolver
{
public:
    LayoutSolver(const LayoutInputs &inputs, SuspensionType type, EntryMode mode, FaultLog *faults);

    // Where the faults met from now on go (a copy of a solver carries on
    // into a log of its own).
    void setFaultLog(FaultLog *faults) { m_faults = faults; }

    // Reads the points again from the inputs, derives arm ends in the
    // length-and-angle mode, places the chassis outline and the strut offset.
    void readPoints();
    // The solve from the tyre contacts on: contacts, instant centres,
    // king-pin axes, scrub, roll centre and springs, on the points held now.
    // staticPass adds the arm lengths and angles.
    void solve(bool staticPass);
    // Keeps what the motion passes compare with: knuckle angles, spring
    // lengths, lower arm angles, linkage lengths, strut offsets.
    void saveStatic();
    // Moves the held points by a dive (inches, positive lowers the chassis)
    // and a roll (degrees, positive raises the car's left side). Returns
    // true when a linkage could not be closed.
    bool move(double diveIn, double rollDeg);
    // Wheel rates from the points held now (spring angle still in radians).
    std::array<double, 2> wheelRates() const;

    void fill(PassSolution &pass) const;
    double knuckleAngle(int side) const { return m_side[side].knuckleAngle; }
    // Camber change of the last move against the static pass, degrees, in the
    // sense the camber results use (left: static - new knuckle angle, right:
    // new - static). A strut whose knuckle was turned rigidly reports that turn.
    double camberChange(int side) const;
    double staticKnuckleAngle(int side) const { return m_saved[side].knuckleAngle; }
    double springLength(int side) const { return m_side[side].springLength; }
    double staticSpringLength(int side) const { return m_saved[side].springLength; }
    double armLength(int side, bool upper) const;
    double armAngle(int side, bool upper) const;
    bool derivedArm(int side, bool upper) const
    {
        return upper ? m_side[side].upperDerived : m_side[side].lowerDerived;
    }
    LayoutPoint upperFramePivot(int side) const { return m_side[side].ufp; }
    LayoutPoint lowerBallJoint(int side) const { return m_side[side].lbj; }

private:
    struct Side
    {
        LayoutPoint ubj, ufp, lbj, lfp, usp, lsp; // strut: ubj body mount, ufp lower strut location
        LayoutPoint ic, contact, kpGround;
        double knuckleLen = 0, frameLen = 0, upperLen = 0, lowerLen = 0;
        double upperAngle = 0,
               lowerAngle = 0; // right side stored with the sign turned, reads like the left
        double knuckleAngle = 0;
        double scrub = 0;
        double contactDistance = 0;
        double springAngleRad = 0, springLength = 0;
        double strutOffsetAngle = 0, strutOffsetDist = 0;
        // Turn of a strut knuckle in the last move (radians, counter-clockwise
        // in the shared frame); empty when the strut could not be closed.
        std::optional<double> strutTurnRad;
        bool upperDerived = false, lowerDerived = false;
    };

    void deriveArmEnds(int s);
    void moveSide(int s, double rollRad, double heightOffset, bool &problem);
    void solveKingPin(int s);
    void placeStrut(int s, bool &problem);

    const LayoutInputs &m_inputs;
    SuspensionType m_type;
    EntryMode m_mode;
    FaultLog *m_faults;
    std::array<Side, 2> m_side;
    std::array<Side, 2> m_saved;
    std::array<LayoutPoint, 4> m_chassis; // left lower, left upper, right upper, right lower
    LayoutPoint m_rollCenter;
};

} // namespace tarvik
