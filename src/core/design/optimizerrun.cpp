// The pick-up point optimizer's search: setting up, scoring and the answer
// (the stages are in optimizerstages.cpp).
#include "core/design/optimizerrun.h"

#include "core/text/numberreading.h"
#include "core/text/pictureformat.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tarvik {

namespace {

// Stop once the weighted error is this small per unit of weight: the
// engine's single-precision points leave misses of about 1e-7 in any case.
// Counted in inch units; a metric layout's length misses are 25.4 times
// larger, and so is this bound's square root for them.
constexpr double kGoodEnoughPerWeight = 1e-12;

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

OptimizerRun::OptimizerRun(PickupOptimizer &owner)
    : m_owner(owner)
    , m_problem(owner.m_problem)
    , m_pool(owner.m_options.threads)
    , m_random(owner.m_options.seed)
    , m_n(m_problem.variables.size())
    , m_targets(m_problem.targets.size())
    , m_grid(
          gridBound(m_problem, true), gridBound(m_problem, false),
          [this](std::vector<GridPoint> &batch) { scoreGrid(batch); }, [this] { return stopped(); })
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
        const double f = designTargetUnitFactor(t.kind, m_problem.layout.units);
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
        for (const Entry entry : v.entries) {
            starts.push_back(readNumber(m_problem.layout.record.get(entry)));
        }
        m_boxStarts.push_back(std::move(starts));
    }
    // Counted like a miss in inches, so a metric layout weighs a move the same.
    m_moveWeight = m_problem.preferSmallChange * kSmallChangeScale * m_errorScale;
}

OptimizerResult OptimizerRun::run()
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

std::vector<double> OptimizerRun::typed(const std::vector<double> &u) const
{
    std::vector<double> values(m_n);
    for (std::size_t j = 0; j < m_n; ++j) {
        values[j] = m_low[j] + std::clamp(u[j], 0.0, 1.0) * m_span[j];
    }
    return values;
}

// Scores a batch of grid points in parallel (the grid stage takes the best).
void OptimizerRun::scoreGrid(std::vector<GridPoint> &batch)
{
    m_pool.forEach(batch.size(), [&](std::size_t i, int worker) {
        batch[i].error = score(worker, gridValues(batch[i].hundredths), batch[i].achieved);
    });
    report(false);
}

std::vector<double> OptimizerRun::gridValues(const std::vector<long> &k) const
{
    std::vector<double> values(m_n);
    for (std::size_t j = 0; j < m_n; ++j) {
        values[j] = static_cast<double>(k[j]) / 100.0;
    }
    return values;
}

// The summed squared moves of the boxes from the layout, in range units
// (a variable whose range is one value cannot be moved by the search).
double OptimizerRun::squaredRangeMovement(const std::vector<double> &values) const
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
double OptimizerRun::missError(double score, const std::vector<double> &achieved) const
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
double OptimizerRun::score(
    int worker, const std::vector<double> &values, std::vector<double> &achieved) const
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
void OptimizerRun::scoreBatch(std::vector<Candidate> &batch)
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
void OptimizerRun::consider(const Candidate &c)
{
    if (m_best.u.empty() || c.error < m_best.error) {
        m_best = c;
    }
}

void OptimizerRun::report(bool force)
{
    OptimizerProgress p;
    p.stage = m_stage;
    const std::optional<GridPoint> &grid = m_grid.best();
    // The misses alone: the score also holds the movement term.
    p.sound = (grid ? grid->error : m_best.error) < kInfeasibleError;
    p.error
        = grid ? missError(grid->error, grid->achieved) : missError(m_best.error, m_best.achieved);
    p.values
        = grid ? gridValues(grid->hundredths) : (m_best.u.empty() ? p.values : typed(m_best.u));
    p.achieved = grid ? grid->achieved : m_best.achieved;
    m_owner.publish(std::move(p), force);
}

// A score back in the error's own terms; the flag tells a sound layout
// from none, since a huge target's error may pass kInfeasibleError.
void OptimizerRun::setError(OptimizerProgress &p, double score) const
{
    p.sound = score < kInfeasibleError;
    p.error = p.sound ? score / m_scoreFactor : kInfeasibleError;
}

std::vector<double> OptimizerRun::startPoint() const
{
    std::vector<double> u(m_n, 0.0);
    for (std::size_t j = 0; j < m_n; ++j) {
        if (m_span[j] > 0) {
            u[j]
                = std::clamp((m_evaluators.front().startValue(j) - m_low[j]) / m_span[j], 0.0, 1.0);
        }
    }
    return u;
}

std::vector<long> OptimizerRun::nearestGrid(const std::vector<double> &u) const
{
    return m_grid.nearest(typed(u));
}

// The answer: the best grid point, or after an early stop the best point
// so far rounded to the grid, scored once more on its exact box texts.
OptimizerResult OptimizerRun::finish()
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
        for (const Entry entry : m_problem.variables[j].entries) {
            result.entries.push_back({ entry, coordinateName(entry), texts[j] });
        }
    }
    std::sort(result.entries.begin(), result.entries.end(),
        [](const DesignEntryChange &a, const DesignEntryChange &b) { return a.entry < b.entry; });
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
        t.reached
            = !result.layoutProblem && std::fabs(t.achieved - t.target) <= kDesignReachedTolerance;
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

} // namespace tarvik
