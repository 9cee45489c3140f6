// One run of the pick-up point optimizer's search (see pickupoptimizer.h);
// lives only inside PickupOptimizer::run().
//
// All random numbers are drawn on the thread that runs the search, before a
// batch is handed to the pool; the pool only scores. Candidates live in unit
// coordinates u in [0, 1] per variable (typed value = min + u * span) until
// the last stage, which works in whole hundredths of the typed unit (inch or
// millimetre). The score every stage minimises is the weighted error plus
// the movement term; what is reported as the error is the misses alone.
#pragma once

#include "core/design/evaluationpool.h"
#include "core/design/gridrounding.h"
#include "core/design/layoutevaluator.h"
#include "core/design/pickupoptimizer.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace tarvik {

// mt19937_64's output is fixed by the standard; the conversions below are
// ours, so a seed gives the same numbers with any standard library.
class OptimizerRandom
{
public:
    explicit OptimizerRandom(std::uint64_t seed)
        : m_engine(seed)
    {
    }
    double unit() { return static_cast<double>(m_engine() >> 11) * 0x1.0p-53; }
    std::size_t below(std::size_t n) { return n == 0 ? 0 : m_engine() % n; }

private:
    std::mt19937_64 m_engine;
};

// A point of the search in unit coordinates, with its score and the targets
// achieved there.
struct OptimizerCandidate
{
    std::vector<double> u;
    double error = kInfeasibleError;
    std::vector<double> achieved;
};

class OptimizerRun
{
public:
    explicit OptimizerRun(PickupOptimizer &owner);

    // The four stages, then the answer rounded to the grid.
    OptimizerResult run();

private:
    using Candidate = OptimizerCandidate;

    // Scoring (optimizerrun.cpp).
    bool stopped() const { return m_owner.stopRequested(); }
    std::vector<double> typed(const std::vector<double> &u) const;
    std::vector<double> gridValues(const std::vector<long> &k) const;
    double squaredRangeMovement(const std::vector<double> &values) const;
    double missError(double score, const std::vector<double> &achieved) const;
    double score(
        int worker, const std::vector<double> &values, std::vector<double> &achieved) const;
    void scoreBatch(std::vector<Candidate> &batch);
    void scoreGrid(std::vector<GridPoint> &batch);
    void consider(const Candidate &c);
    void report(bool force);
    void setError(OptimizerProgress &p, double score) const;
    std::vector<double> startPoint() const;
    std::vector<long> nearestGrid(const std::vector<double> &u) const;
    OptimizerResult finish();

    // The stages (optimizerstages.cpp).
    void sample();
    void evolve();
    std::vector<double> mutate(
        std::size_t i, const std::vector<double> &pBest, std::size_t members);
    bool collapsed() const;
    void polish();
    Candidate polishFrom(const Candidate &start, int worker, int budget) const;
    void round();

    PickupOptimizer &m_owner;
    const DesignProblem &m_problem;
    EvaluationPool m_pool;
    mutable std::vector<LayoutEvaluator> m_evaluators; // one per worker
    OptimizerRandom m_random;
    std::size_t m_n;
    std::size_t m_targets;
    double m_goodEnough = 0;
    double m_errorScale = 1; // 1 in inch units; up to 25.4 squared on a metric layout
    double m_scoreFactor = 1; // score / error, below 1 only for huge targets
    std::vector<double> m_low, m_span;
    std::vector<std::vector<double>> m_boxStarts; // per variable: each box's value in the layout
    double m_moveWeight = 0; // of the squared range movement in the score
    std::string m_stage;
    std::vector<Candidate> m_population;
    std::vector<Candidate> m_polished;
    Candidate m_best;
    GridRounding m_grid;
};

} // namespace tarvik
