// The pick-up point optimizer: moves the free coordinates of a layout within
// their ranges until the solved layout meets the targets as closely as it
// can, scored by the weighted sum of squared misses. With "prefer the
// smallest change" (DesignProblem::preferSmallChange) a small term for the
// distance moved from the layout joins the score, so that of the answers
// that meet the targets equally the one nearest the layout wins.
//
// The search runs the one engine on every candidate layout, in four stages:
// a Latin hypercube sample of the box of allowed moves together with the
// start layout; differential evolution (current-to-pbest/1, binomial
// crossover) from the best of the sample; a Nelder-Mead polish from the best
// few distinct members of the final population; and a compass search on the
// grid of hundredths that the boxes take ("###.00"), from the polished point
// and its roundings. A layout the engine flags as a problem scores
// kInfeasibleError, so the search keeps away from it.
//
// Every core works: the evaluations of a stage are spread over a pool of
// threads. Random numbers come only from the seed, each candidate's score
// depends only on the candidate, and results are merged by index, so one
// seed gives one answer whatever the number of threads or their timing. A
// cancel or the time limit ends the search at once; the best layout so far
// is then rounded to the grid and scored once more, and that is the answer.
//
// Use: construct, call run() on a worker thread, poll progress() or take the
// callback, call cancel() from any thread. One run per object.
#pragma once

#include "core/design/designproblem.h"
#include "core/design/layoutevaluator.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace tarvik {

struct OptimizerProgress
{
    // "" before the search starts, then "sampling", "evolving", "polishing",
    // "rounding" and "done".
    std::string stage;
    // Best weighted error so far (the misses alone, without the movement
    // term); kInfeasibleError while no candidate is a sound layout. In the
    // rounding stage, the best on the grid of hundredths.
    double error = kInfeasibleError;
    bool sound = false; // some candidate so far is a sound layout; error is its own then
    std::vector<double> values; // typed value of each variable at the best so far
    std::vector<double> achieved; // per target, at the best so far
    std::uint64_t evaluations = 0; // engine calls
    double elapsedS = 0;
};

struct OptimizerOptions
{
    std::uint64_t seed = 1;
    int threads = 0; // 0: one per core
    double timeLimitS = 0; // 0: none
    // Called on the thread that runs run(), at most every progressIntervalS
    // and at the end of every stage. Must not call run().
    std::function<void(const OptimizerProgress &)> onProgress;
    double progressIntervalS = 0.1;
};

// One box the answer changes: its entry, coordinate name and new text.
struct DesignEntryChange
{
    Entry entry;
    std::string name; // "right.upper_frame_pivot.y"
    std::string text; // as the box takes it, "###.00"
};

struct DesignTargetOutcome
{
    std::string name; // "rc-height"
    double target = 0;
    double weight = 1;
    double achieved = 0; // solved on the answer's texts
    // Within kDesignReachedTolerance of the target, on a sound answer.
    bool reached = false;
};

// A target counts as reached when the answer misses it by at most this, in
// the target's own unit: the boxes' hundredths cannot promise closer.
inline constexpr double kDesignReachedTolerance = 0.01;

enum class OptimizerStop { Finished, Cancelled, TimeLimit };

struct OptimizerResult
{
    std::string refusal; // non-empty: the problem was refused and nothing else is filled
    // Every varied box (both sides of a tied pair), in entry order. Apply
    // them as one change of the layout.
    std::vector<DesignEntryChange> entries;
    std::vector<DesignTargetOutcome> targets; // in the order given
    // Weighted sum of squared misses at the answer (no movement term); +inf
    // when it is beyond a double (targets near 1e154 and more).
    double error = 0;
    // How far the answer moves the layout: the sum over the varied boxes of
    // the change of their value, typed units; and the distance the movement
    // term counts, the root of the summed squared moves in range units.
    double movement = 0;
    double rangeMovement = 0;
    // The answer is a layout the engine flags as a problem (no allowed move
    // gave a sound one); its achieved values are not to be trusted.
    bool layoutProblem = false;
    std::uint64_t evaluations = 0; // engine calls
    OptimizerStop stop = OptimizerStop::Finished;
};

class PickupOptimizer
{
public:
    PickupOptimizer(DesignProblem problem, OptimizerOptions options = {});

    // Runs the search to its end, a cancel or the time limit. Blocking.
    OptimizerResult run();
    // Any thread, any time; run() returns soon after with the best so far.
    void cancel() { m_cancel.store(true); }
    // Any thread: a copy of the latest progress.
    OptimizerProgress progress() const;

private:
    friend class OptimizerRun;

    void publish(OptimizerProgress snapshot, bool force);
    bool stopRequested() const;

    DesignProblem m_problem;
    OptimizerOptions m_options;
    std::atomic<bool> m_cancel { false };
    mutable std::atomic<bool> m_timedOut { false };
    std::atomic<std::uint64_t> m_evaluations { 0 }; // engine calls, live
    std::chrono::steady_clock::time_point m_started;
    std::chrono::steady_clock::time_point m_lastCallback;
    mutable std::mutex m_progressMutex;
    OptimizerProgress m_progress;
};

} // namespace tarvik
