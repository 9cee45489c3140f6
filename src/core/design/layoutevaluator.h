// One layout evaluation for the pick-up point optimizer: the varied boxes set
// to candidate values, the engine run once per chassis motion the targets
// need, and the weighted squared miss of the targets.
//
// Every motion is a dive-and-roll pass of its own engine call; the static
// pass and the camber-gain pass (always 1 in of dive, no roll) come with the
// first call. With no motion needed, one call with dive and roll off. A
// layout the engine flags as a problem, one that raises a fault message, or a
// result that is not finite scores kInfeasibleError instead. The score is the
// weighted squared miss with every miss first multiplied by
// designMissScale(), so that any finite targets give a finite score.
//
// Not thread-safe: each thread owns its own evaluator.
#pragma once

#include "core/design/designproblem.h"
#include "core/geometry/engine.h"
#include "core/geometry/layoutnumbers.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tarvik {

// Above any weighted error a reachable layout can have.
inline constexpr double kInfeasibleError = 1e300;

class LayoutEvaluator
{
public:
    // problem must pass designProblemRefusal and outlive the evaluator.
    explicit LayoutEvaluator(const DesignProblem &problem);

    // values: the typed value of each variable, written into its
    // boxes with six decimals. achieved: one slot per target, filled even for
    // an infeasible layout where the engine gave numbers. Returns the score.
    double evaluate(std::span<const double> values, std::span<double> achieved);
    // The same with each variable's boxes set to the given text exactly.
    double evaluateTexts(std::span<const std::string> texts, std::span<double> achieved);

    // The value the start layout's first box of the variable holds.
    double startValue(std::size_t variable) const { return m_startValues[variable]; }
    // The score of a sound layout is its error times this.
    double scoreFactor() const { return m_missScale * m_missScale; }
    int engineCallsPerEvaluation() const { return static_cast<int>(m_calls.size()); }
    std::uint64_t engineCalls() const { return m_engineCalls; }

private:
    struct Call
    {
        bool moved = false;
        std::string diveText, rollText;
    };

    double solveAndScore(std::span<double> achieved);

    const DesignProblem &m_problem;
    EngineInput m_input; // the start layout's texts and the settings
    LayoutInputs m_numbers; // the numbers solved: the start layout with the varied boxes
    std::vector<Call> m_calls; // at least one
    std::vector<LayoutNumbers> m_outputs;
    NumbersRequest m_request; // the standard camber gain
    std::size_t m_currentCall = SIZE_MAX; // whose dive and roll m_numbers holds
    // Per target: the call whose moved pass it reads (Camber), or the +1 and
    // -1 degree calls (RollCenterMigration).
    std::vector<int> m_targetCall;
    int m_rollPlusCall = -1, m_rollMinusCall = -1;
    std::vector<double> m_startValues;
    std::vector<std::vector<Entry>> m_boxes; // per variable, the boxes it sets
    double m_missScale = 1;
    std::uint64_t m_engineCalls = 0;
};

} // namespace tarvik
