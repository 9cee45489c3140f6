// The pick-up point optimizer's search (see pickupoptimizer.h).
//
// All random numbers are drawn on the thread that runs the search, before a
// batch is handed to the pool; the pool only scores. Candidates live in unit
// coordinates u in [0, 1] per variable (typed value = min + u * span) until
// the last stage, which works in whole hundredths of the typed unit (inch or
// millimetre). The score every stage minimises is the weighted error plus
// the movement term; what is reported as the error is the misses alone.
#include "core/design/pickupoptimizer.h"

#include "core/design/evaluationpool.h"
#include "core/design/gridrounding.h"
#include "core/design/layoutevaluator.h"
#include "core/design/neldermead.h"
#include "core/text/numberreading.h"
#include "core/text/pictureformat.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <random>

namespace tarvik {

namespace {

// Stop once the weighted error is this small per unit of weight: the
// engine's single-precision points leave misses of about 1e-7 in any case.
// Counted in inch units; a metric layout's length misses are 25.4 times
// larger, and so is this bound's square root for them.
constexpr double kGoodEnoughPerWeight = 1e-12;
// Distinct polish starts must lie this far apart (unit coordinates).
constexpr double kDistinctStarts = 0.05;
constexpr std::size_t kPolishStarts = 4;
constexpr int kDeStagnationGenerations = 50;

// mt19937_64's output is fixed by the standard; the conversions below are
// ours, so a seed gives the same numbers with any standard library.
class Random
{
public:
    explicit Random(std::uint64_t seed)
        : m_engine(seed)
    {
    }
    double unit() { return static_cast<double>(m_engine() >> 11) * 0x1.0p-53; }
    std::size_t below(std::size_t n) { return n == 0 ? 0 : m_engine() % n; }

private:
    std::mt19937_64 m_engine;
};

struct Candidate
{
    std::vector<double> u;
    double error = kInfeasibleError;
    std::vector<double> achieved;
};

bool better(const Candidate &a, const Candidate &b)
{
    return a.error < b.error;
}

double maxDistance(const std::vector<double> &a, const std::vector<double> &b)
{
    double d = 0;
    for (std::size_t j = 0; j < a.size(); ++j) {
        d = std::max(d, std::fabs(a[j] - b[j]));
    }
    return d;
}

// The whole hundredths inside each variable's range: the lowest or highest.
std::vector<long> gridBound(const DesignProblem &problem, bool lowest)
{
    std::vector<long> bound;
    for (const DesignVariable &v : problem.variables) {
        bound.push_back(lowest ? static_cast<long>(std::ceil(v.minValue * 100 - 1e-6))
                               : static_cast<long>(std::floor(v.maxValue * 100 + 1e-6)));
    }
    return bound;
}

} // namespace

// One run of the search; lives only inside PickupOptimizer::run().
class OptimizerRun
{
public:
    explicit OptimizerRun(PickupOptimizer &owner)
        : m_owner(owner)
        , m_problem(owner.m_problem)
        , m_pool(owner.m_options.threads)
        , m_random(owner.m_options.seed)
        , m_n(m_problem.variables.size())
        , m_targets(m_problem.targets.size())
        , m_grid(
              gridBound(m_problem, true), gridBound(m_problem, false),
              [this](std::vector<GridPoint> &batch) { scoreGrid(batch); },
              [this] { return stopped(); })
    {
        for (int w = 0; w < m_pool.size(); ++w) {
            m_evaluators.emplace_back(m_problem);
        }
        // The error's own scale: the weights, with each length target's
        // squared unit factor on a metric layout, so the stop rules weigh the
        // same misses whatever units the layout is typed in.
        double weights = 0;
        double scaled = 0;
        for (const DesignTarget &t : m_problem.targets) {
            const double f = designTargetUnitFactor(t.kind, m_problem.layout.unitsFlag);
            weights += t.weight;
            scaled += t.weight * f * f;
        }
        // Scores carry the evaluators' factor for huge targets; so do the bounds.
        m_scoreFactor = m_evaluators.front().scoreFactor();
        m_goodEnough = kGoodEnoughPerWeight * scaled * m_scoreFactor;
        m_errorScale = (weights > 0 ? scaled / weights : 1.0) * m_scoreFactor;
        for (const DesignVariable &v : m_problem.variables) {
            m_low.push_back(v.minValue);
            m_span.push_back(v.maxValue - v.minValue);
            std::vector<double> starts;
            for (const int entry : v.entries) {
                starts.push_back(readNumber(m_problem.layout.record.get(entry)));
            }
            m_boxStarts.push_back(std::move(starts));
        }
        // Counted like a miss in inches, so a metric layout weighs a move the same.
        m_moveWeight = m_problem.preferSmallChange * kSmallChangeScale * m_errorScale;
    }

    OptimizerResult run()
    {
        sample();
        if (!stopped()) {
            evolve();
        }
        if (!stopped()) {
            polish();
        }
        if (!stopped()) {
            round();
        }
        return finish();
    }

private:
    bool stopped() const { return m_owner.stopRequested(); }

    std::vector<double> typed(const std::vector<double> &u) const
    {
        std::vector<double> values(m_n);
        for (std::size_t j = 0; j < m_n; ++j) {
            values[j] = m_low[j] + std::clamp(u[j], 0.0, 1.0) * m_span[j];
        }
        return values;
    }

    // Scores a batch of grid points in parallel (the grid stage takes the best).
    void scoreGrid(std::vector<GridPoint> &batch)
    {
        m_pool.forEach(batch.size(), [&](std::size_t i, int worker) {
            batch[i].error = score(worker, gridValues(batch[i].hundredths), batch[i].achieved);
        });
        report(false);
    }

    std::vector<double> gridValues(const std::vector<long> &k) const
    {
        std::vector<double> values(m_n);
        for (std::size_t j = 0; j < m_n; ++j) {
            values[j] = static_cast<double>(k[j]) / 100.0;
        }
        return values;
    }

    // The summed squared moves of the boxes from the layout, in range units
    // (a variable whose range is one value cannot be moved by the search).
    double squaredRangeMovement(const std::vector<double> &values) const
    {
        double sum = 0;
        for (std::size_t j = 0; j < m_n; ++j) {
            if (m_span[j] <= 0) {
                continue;
            }
            for (const double start : m_boxStarts[j]) {
                const double move = (values[j] - start) / m_span[j];
                sum += move * move;
            }
        }
        return sum;
    }

    // The weighted error of the achieved values, without the movement term.
    double missError(double score, const std::vector<double> &achieved) const
    {
        if (!(score < kInfeasibleError) || achieved.size() < m_targets) {
            return kInfeasibleError;
        }
        double error = 0;
        for (std::size_t t = 0; t < m_targets; ++t) {
            const DesignTarget &target = m_problem.targets[t];
            const double miss = achieved[t] - target.value;
            error += target.weight * miss * miss;
        }
        return error;
    }

    // Scores one point with the worker's evaluator; a stop leaves it unscored.
    double score(int worker, const std::vector<double> &values, std::vector<double> &achieved) const
    {
        achieved.assign(m_targets, 0.0);
        if (stopped()) {
            return kInfeasibleError;
        }
        LayoutEvaluator &evaluator = m_evaluators[static_cast<std::size_t>(worker)];
        double error = evaluator.evaluate(values, achieved);
        m_owner.m_evaluations.fetch_add(
            static_cast<std::uint64_t>(evaluator.engineCallsPerEvaluation()));
        if (error < kInfeasibleError && m_moveWeight > 0) {
            error += m_moveWeight * squaredRangeMovement(values);
        }
        return error;
    }

    // Scores a batch in parallel, then takes the best in index order.
    void scoreBatch(std::vector<Candidate> &batch)
    {
        m_pool.forEach(batch.size(), [&](std::size_t i, int worker) {
            batch[i].error = score(worker, typed(batch[i].u), batch[i].achieved);
        });
        for (const Candidate &c : batch) {
            consider(c);
        }
        report(false);
    }

    // The first candidate counts even when infeasible (the start layout), so
    // there is always a best point to round and report.
    void consider(const Candidate &c)
    {
        if (m_best.u.empty() || c.error < m_best.error) {
            m_best = c;
        }
    }

    void report(bool force)
    {
        OptimizerProgress p;
        p.stage = m_stage;
        const std::optional<GridPoint> &grid = m_grid.best();
        // The misses alone: the score also holds the movement term.
        p.sound = (grid ? grid->error : m_best.error) < kInfeasibleError;
        p.error = grid ? missError(grid->error, grid->achieved)
                       : missError(m_best.error, m_best.achieved);
        p.values
            = grid ? gridValues(grid->hundredths) : (m_best.u.empty() ? p.values : typed(m_best.u));
        p.achieved = grid ? grid->achieved : m_best.achieved;
        m_owner.publish(std::move(p), force);
    }

    // A score back in the error's own terms; the flag tells a sound layout
    // from none, since a huge target's error may pass kInfeasibleError.
    void setError(OptimizerProgress &p, double score) const
    {
        p.sound = score < kInfeasibleError;
        p.error = p.sound ? score / m_scoreFactor : kInfeasibleError;
    }

    std::vector<double> startPoint() const
    {
        std::vector<double> u(m_n, 0.0);
        for (std::size_t j = 0; j < m_n; ++j) {
            if (m_span[j] > 0) {
                u[j] = std::clamp(
                    (m_evaluators.front().startValue(j) - m_low[j]) / m_span[j], 0.0, 1.0);
            }
        }
        return u;
    }

    // Stage 1: the start layout and a Latin hypercube over the box.
    void sample()
    {
        m_stage = "sampling";
        const std::size_t count = std::clamp<std::size_t>(30 * m_n, 60, 600);
        m_population.assign(count + 1, Candidate {});
        m_population[0].u = startPoint();
        std::vector<std::size_t> strata(count);
        for (std::size_t i = 1; i <= count; ++i) {
            m_population[i].u.assign(m_n, 0.0);
        }
        for (std::size_t j = 0; j < m_n; ++j) {
            std::iota(strata.begin(), strata.end(), std::size_t { 0 });
            for (std::size_t i = count - 1; i > 0; --i) {
                std::swap(strata[i], strata[m_random.below(i + 1)]);
            }
            for (std::size_t i = 0; i < count; ++i) {
                m_population[i + 1].u[j] = (static_cast<double>(strata[i]) + m_random.unit())
                    / static_cast<double>(count);
            }
        }
        scoreBatch(m_population);
        report(true);
    }

    // Stage 2: differential evolution from the best of the sample.
    void evolve()
    {
        m_stage = "evolving";
        const std::size_t size = std::clamp<std::size_t>(10 * m_n, 20, 100);
        std::stable_sort(m_population.begin(), m_population.end(), better);
        m_population.resize(std::min(size, m_population.size()));
        const std::size_t members = m_population.size();
        const std::size_t pBest = std::max<std::size_t>(2, members / 5);
        const int generations = 60 + 40 * static_cast<int>(m_n);

        std::vector<Candidate> trials(members);
        double lastBest = m_best.error;
        int sinceImproved = 0;
        for (int g = 0; g < generations && !stopped(); ++g) {
            if (m_best.error <= m_goodEnough || collapsed()) {
                break;
            }
            // Ranks for p-best: the population in error order.
            std::vector<std::size_t> rank(members);
            std::iota(rank.begin(), rank.end(), std::size_t { 0 });
            std::stable_sort(rank.begin(), rank.end(), [&](std::size_t a, std::size_t b) {
                return m_population[a].error < m_population[b].error;
            });
            for (std::size_t i = 0; i < members; ++i) {
                trials[i].u = mutate(i, m_population[rank[m_random.below(pBest)]].u, members);
            }
            scoreBatch(trials);
            for (std::size_t i = 0; i < members; ++i) {
                if (trials[i].error <= m_population[i].error) {
                    std::swap(m_population[i], trials[i]);
                }
            }
            if (m_best.error < lastBest - 1e-12 * std::fabs(lastBest)) {
                lastBest = m_best.error;
                sinceImproved = 0;
            } else if (++sinceImproved >= kDeStagnationGenerations) {
                break;
            }
        }
        report(true);
    }

    // current-to-pbest/1 with binomial crossover; a coordinate pushed out of
    // the box bounces back between the member's value and the bound.
    std::vector<double> mutate(std::size_t i, const std::vector<double> &pBest, std::size_t members)
    {
        std::size_t r1 = m_random.below(members);
        while (r1 == i) {
            r1 = m_random.below(members);
        }
        std::size_t r2 = m_random.below(members);
        while (r2 == i || r2 == r1) {
            r2 = m_random.below(members);
        }
        const double f = 0.4 + 0.5 * m_random.unit();
        const double crossover = 0.9;
        const std::vector<double> &x = m_population[i].u;
        const std::vector<double> &a = m_population[r1].u;
        const std::vector<double> &b = m_population[r2].u;
        const std::size_t forced = m_random.below(m_n);
        std::vector<double> trial = x;
        for (std::size_t j = 0; j < m_n; ++j) {
            const bool take = j == forced || m_random.unit() < crossover;
            const double r = m_random.unit();
            if (!take) {
                continue;
            }
            double v = x[j] + f * (pBest[j] - x[j]) + f * (a[j] - b[j]);
            if (v < 0) {
                v = r * x[j];
            } else if (v > 1) {
                v = x[j] + r * (1 - x[j]);
            }
            trial[j] = v;
        }
        return trial;
    }

    bool collapsed() const
    {
        for (const Candidate &c : m_population) {
            if (maxDistance(c.u, m_best.u) > 1e-9) {
                return false;
            }
        }
        return true;
    }

    // Stage 3: Nelder-Mead from the best few distinct members, in parallel.
    void polish()
    {
        m_stage = "polishing";
        std::vector<Candidate> sorted = m_population;
        std::stable_sort(sorted.begin(), sorted.end(), better);
        std::vector<Candidate> starts { m_best };
        for (const Candidate &c : sorted) {
            if (starts.size() >= kPolishStarts || c.error >= kInfeasibleError) {
                break;
            }
            bool distinct = true;
            for (const Candidate &s : starts) {
                distinct = distinct && maxDistance(c.u, s.u) > kDistinctStarts;
            }
            if (distinct) {
                starts.push_back(c);
            }
        }
        if (m_best.error >= kInfeasibleError) {
            return; // nothing solved to polish
        }
        m_polished.assign(starts.size(), Candidate {});
        const int budget = 300 * (static_cast<int>(m_n) + 1);
        m_pool.forEach(starts.size(), [&](std::size_t index, int worker) {
            m_polished[index] = polishFrom(starts[index], worker, budget);
        });
        for (const Candidate &c : m_polished) {
            consider(c);
        }
        report(true);
    }

    // A few Nelder-Mead runs from one start, each restarted on the best
    // point with a smaller simplex, while they still gain.
    Candidate polishFrom(const Candidate &start, int worker, int budget) const
    {
        std::vector<double> achieved;
        const auto objective = [&](std::span<const double> u) {
            return score(worker, typed(std::vector<double>(u.begin(), u.end())), achieved);
        };
        NelderMeadOptions options;
        options.goodEnough = m_goodEnough;
        options.errorTolerance *= m_errorScale;
        options.step = 0.02;
        Candidate best = start;
        for (int restart = 0; restart < 3 && budget > 0 && !stopped(); ++restart) {
            options.maxEvaluations = budget;
            const NelderMeadResult r
                = nelderMead(objective, best.u, best.error, options, [this] { return stopped(); });
            budget -= r.evaluations;
            const bool gained = r.error < best.error - 1e-12 * std::fabs(best.error);
            if (r.error < best.error) {
                best.u = r.point;
                best.error = r.error;
            }
            if (!gained || best.error <= m_goodEnough) {
                break;
            }
            options.step /= 10;
        }
        // The targets at the polished point, for the progress and the merge.
        best.error = score(worker, typed(best.u), best.achieved);
        return best;
    }

    std::vector<long> nearestGrid(const std::vector<double> &u) const
    {
        return m_grid.nearest(typed(u));
    }

    // Stage 4: the grid of hundredths the boxes take.
    void round()
    {
        m_stage = "rounding";
        std::vector<std::vector<double>> others;
        for (const Candidate &c : m_polished) {
            others.push_back(typed(c.u));
        }
        m_grid.run(typed(m_best.u), others);
        report(true);
    }

    // The answer: the best grid point, or after an early stop the best point
    // so far rounded to the grid, scored once more on its exact box texts.
    OptimizerResult finish()
    {
        std::vector<long> k;
        const std::optional<GridPoint> &bestGrid = m_grid.best();
        if (bestGrid && (bestGrid->error < kInfeasibleError || m_best.u.empty())) {
            k = bestGrid->hundredths;
        } else {
            k = nearestGrid(m_best.u.empty() ? startPoint() : m_best.u);
        }
        std::vector<std::string> texts(m_n);
        for (std::size_t j = 0; j < m_n; ++j) {
            texts[j] = formatPicture(static_cast<double>(k[j]) / 100.0, "###.00");
        }
        std::vector<double> achieved(m_targets, 0.0);
        LayoutEvaluator &evaluator = m_evaluators.front();
        const double error = evaluator.evaluateTexts(texts, achieved);
        m_owner.m_evaluations.fetch_add(
            static_cast<std::uint64_t>(evaluator.engineCallsPerEvaluation()));

        OptimizerResult result;
        for (std::size_t j = 0; j < m_n; ++j) {
            for (const int entry : m_problem.variables[j].entries) {
                result.entries.push_back({ entry, coordinateName(entry), texts[j] });
            }
        }
        std::sort(result.entries.begin(), result.entries.end(),
            [](const DesignEntryChange &a, const DesignEntryChange &b) {
                return a.entry < b.entry;
            });
        for (std::size_t t = 0; t < m_targets; ++t) {
            const DesignTarget &target = m_problem.targets[t];
            result.targets.push_back(
                { designTargetName(target), target.value, target.weight, achieved[t], false });
        }
        const std::vector<double> answer = gridValues(k);
        for (std::size_t j = 0; j < m_n; ++j) {
            for (const double start : m_boxStarts[j]) {
                result.movement += std::fabs(readNumber(texts[j]) - start);
            }
        }
        result.rangeMovement = std::sqrt(squaredRangeMovement(answer));
        result.layoutProblem = !(error < kInfeasibleError);
        result.error = result.layoutProblem ? kInfeasibleError : error / m_scoreFactor;
        for (DesignTargetOutcome &t : result.targets) {
            t.reached = !result.layoutProblem
                && std::fabs(t.achieved - t.target) <= kDesignReachedTolerance;
        }
        result.evaluations = m_owner.m_evaluations.load();
        result.stop = m_owner.m_cancel.load() ? OptimizerStop::Cancelled
            : m_owner.m_timedOut.load()       ? OptimizerStop::TimeLimit
                                              : OptimizerStop::Finished;

        m_stage = "done";
        OptimizerProgress p;
        p.stage = m_stage;
        setError(p, error);
        p.values = answer;
        p.achieved = achieved;
        m_owner.publish(std::move(p), true);
        return result;
    }

    PickupOptimizer &m_owner;
    const DesignProblem &m_problem;
    EvaluationPool m_pool;
    mutable std::vector<LayoutEvaluator> m_evaluators; // one per worker
    Random m_random;
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

PickupOptimizer::PickupOptimizer(DesignProblem problem, OptimizerOptions options)
    : m_problem(std::move(problem))
    , m_options(std::move(options))
{
}

OptimizerResult PickupOptimizer::run()
{
    m_started = std::chrono::steady_clock::now();
    m_lastCallback = m_started;
    OptimizerResult refused;
    refused.refusal = designProblemRefusal(m_problem);
    if (!refused.refusal.empty()) {
        return refused;
    }
    OptimizerRun search(*this);
    return search.run();
}

bool PickupOptimizer::stopRequested() const
{
    if (m_cancel.load(std::memory_order_relaxed) || m_timedOut.load(std::memory_order_relaxed)) {
        return true;
    }
    if (m_options.timeLimitS > 0
        && std::chrono::duration<double>(std::chrono::steady_clock::now() - m_started).count()
            > m_options.timeLimitS) {
        m_timedOut.store(true);
        return true;
    }
    return false;
}

OptimizerProgress PickupOptimizer::progress() const
{
    const std::lock_guard lock(m_progressMutex);
    OptimizerProgress p = m_progress;
    p.evaluations = m_evaluations.load();
    return p;
}

void PickupOptimizer::publish(OptimizerProgress snapshot, bool force)
{
    const auto now = std::chrono::steady_clock::now();
    snapshot.elapsedS = std::chrono::duration<double>(now - m_started).count();
    snapshot.evaluations = m_evaluations.load();
    {
        const std::lock_guard lock(m_progressMutex);
        m_progress = snapshot;
    }
    if (!m_options.onProgress) {
        return;
    }
    if (force
        || std::chrono::duration<double>(now - m_lastCallback).count()
            >= m_options.progressIntervalS) {
        m_lastCallback = now;
        m_options.onProgress(snapshot);
    }
}

} // namespace tarvik
