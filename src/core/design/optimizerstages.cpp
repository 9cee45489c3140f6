// The pick-up point optimizer's four stages: sampling, evolution, polish and
// the grid of hundredths.
#include "core/design/neldermead.h"
#include "core/design/optimizerrun.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <span>

namespace tarvik {

namespace {

// Distinct polish starts must lie this far apart (unit coordinates).
constexpr double kDistinctStarts = 0.05;
constexpr std::size_t kPolishStarts = 4;
constexpr int kDeStagnationGenerations = 50;

bool better(const OptimizerCandidate &a, const OptimizerCandidate &b)
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

} // namespace

// Stage 1: the start layout and a Latin hypercube over the box.
void OptimizerRun::sample()
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
            m_population[i + 1].u[j]
                = (static_cast<double>(strata[i]) + m_random.unit()) / static_cast<double>(count);
        }
    }
    scoreBatch(m_population);
    report(true);
}

// Stage 2: differential evolution from the best of the sample.
void OptimizerRun::evolve()
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
std::vector<double> OptimizerRun::mutate(
    std::size_t i, const std::vector<double> &pBest, std::size_t members)
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

bool OptimizerRun::collapsed() const
{
    for (const Candidate &c : m_population) {
        if (maxDistance(c.u, m_best.u) > 1e-9) {
            return false;
        }
    }
    return true;
}

// Stage 3: Nelder-Mead from the best few distinct members, in parallel.
void OptimizerRun::polish()
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
OptimizerCandidate OptimizerRun::polishFrom(const Candidate &start, int worker, int budget) const
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

// Stage 4: the grid of hundredths the boxes take.
void OptimizerRun::round()
{
    m_stage = "rounding";
    std::vector<std::vector<double>> others;
    for (const Candidate &c : m_polished) {
        others.push_back(typed(c.u));
    }
    m_grid.run(typed(m_best.u), others);
    report(true);
}

} // namespace tarvik
