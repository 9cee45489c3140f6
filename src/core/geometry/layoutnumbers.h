// The solved numbers of one layout, without a text or a picture: the static
// pass, the camber-gain pass and, when dive and roll are shown, the
// dive-and-roll pass, with the results and flags that come of them. The
// engine makes its captions and its scene from these; the table sweep and
// the pick-up point optimizer read them and nothing more.
#pragma once

#include "core/geometry/engine.h"
#include "core/geometry/faultlog.h"
#include "core/geometry/layoutinputs.h"
#include "core/geometry/layoutsolver.h"
#include "core/layout/layoutkinds.h"

#include <array>
#include <optional>
#include <vector>

namespace tarvik {

struct LayoutNumbers
{
    PassSolution staticPass;
    PassSolution gainPass;
    PassSolution movedPass; // only when moved
    bool moved = false;
    std::array<double, 2> camberGain {};
    std::array<double, 2> wheelRate {};
    std::optional<double> rightWheelRateRatio;
    // Static camber, or the new camber when dive and roll are applied.
    std::array<double, 2> camber {};
    std::array<double, 2> springCompression {};
    // Per side, whether the upper and the lower arm end were derived from
    // the arm's dimensions in the static pass (length-and-angle mode).
    std::array<std::array<bool, 2>, 2> derivedArm {};
    bool layoutProblem = false;
    bool showGeometryWarning = false; // layout problem with every watched box filled
    FaultLog faults; // in the order met, fault 6 included
};

// What a solve is asked for. gainDive is inches, gainRoll degrees.
struct NumbersRequest
{
    SuspensionType suspensionType = SuspensionType::DoubleAArm;
    EntryMode entryMode = EntryMode::XAndHeight; // a strut is always X and height
    bool diveRoll = false; // the dive-and-roll pass, by inputs.dive and inputs.roll
    double gainDive = 1.0;
    double gainRoll = 0.0;
};

// The numbers in inches (the solve's own units).
LayoutNumbers solveLayoutNumbers(const LayoutInputs &inputs, const NumbersRequest &request);

// The static and camber-gain passes of one layout solved once, for many
// dives and rolls: a table's cells and an optimizer evaluation's chassis
// motions differ only in the dive-and-roll pass. Each moved() gives exactly
// what solveLayoutNumbers gives with the inputs' dive and roll at that time.
// inputs must outlive this and keep every number but dive and roll.
class LayoutPasses
{
public:
    LayoutPasses(const LayoutInputs &inputs, const NumbersRequest &request);
    LayoutPasses(const LayoutPasses &) = delete;
    LayoutPasses &operator=(const LayoutPasses &) = delete;

    // The numbers with the dive-and-roll pass by inputs.dive and inputs.roll
    // (request.diveRoll) or without it, into out.
    void solve(LayoutNumbers &out) const { solve(out, m_request.diveRoll); }
    void solve(LayoutNumbers &out, bool diveRoll) const;

private:
    const LayoutInputs &m_inputs;
    NumbersRequest m_request;
    LayoutNumbers m_base; // after the camber-gain pass
    std::vector<int> m_readFaults; // the inputs' faults when the passes were solved
    LayoutSolver m_solver; // as the camber-gain pass left it
    bool m_blankWatched = false;
};

// Every length and rate of a metric layout in millimetres and newtons per millimetre, as the engine
// gives them.
void toLayoutUnits(LayoutNumbers &numbers, Units units);
void scalePass(PassSolution &pass, double factor);

// Whether a fault other than an overflow (which is never shown) was met.
bool hasShownFault(const FaultLog &faults);

} // namespace tarvik
