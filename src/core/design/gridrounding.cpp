// The optimizer's grid stage (see gridrounding.h). Batches are scored by the
// caller, in parallel; the best is taken in batch order, so the outcome does
// not depend on which thread scored what.
#include "core/design/gridrounding.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace {

constexpr std::size_t kAllRoundingsUpTo = 8;
constexpr long kFirstStep = 16; // hundredths
constexpr int kMovesPerStep = 200;
constexpr std::size_t kDiagonalsUpTo = 8;
constexpr long kCubeRadius = 2; // hundredths
constexpr std::size_t kCubeUpTo = 4; // 5^4 = 625 points
constexpr int kPasses = 3;

} // namespace

GridRounding::GridRounding(std::vector<long> low, std::vector<long> high, BatchScorer scorer,
    std::function<bool()> stopped)
    : m_low(std::move(low))
    , m_high(std::move(high))
    , m_scorer(std::move(scorer))
    , m_stopped(std::move(stopped))
{
}

std::vector<long> GridRounding::nearest(const std::vector<double> &values) const
{
    std::vector<long> k(m_low.size());
    for (std::size_t j = 0; j < k.size(); ++j) {
        k[j] = std::clamp(std::lround(values[j] * 100), m_low[j], m_high[j]);
    }
    return k;
}

bool GridRounding::inside(const std::vector<long> &k) const
{
    for (std::size_t j = 0; j < k.size(); ++j) {
        if (k[j] < m_low[j] || k[j] > m_high[j]) {
            return false;
        }
    }
    return true;
}

void GridRounding::score(std::vector<GridPoint> &batch)
{
    m_scorer(batch);
    for (const GridPoint &p : batch) {
        if (!m_best || p.error < m_best->error) {
            m_best = p;
        }
    }
}

void GridRounding::run(
    const std::vector<double> &best, const std::vector<std::vector<double>> &others)
{
    const std::size_t n = m_low.size();
    std::vector<GridPoint> seeds;
    const auto addSeed = [&](std::vector<long> k) {
        for (const GridPoint &s : seeds) {
            if (s.hundredths == k) {
                return;
            }
        }
        seeds.push_back({ std::move(k), kInfeasibleError, {} });
    };
    if (n <= kAllRoundingsUpTo) {
        for (unsigned mask = 0; mask < (1u << n); ++mask) {
            std::vector<long> k(n);
            for (std::size_t j = 0; j < n; ++j) {
                const double h = best[j] * 100;
                const double rounded = (mask >> j) & 1u ? std::ceil(h) : std::floor(h);
                k[j] = std::clamp(static_cast<long>(rounded), m_low[j], m_high[j]);
            }
            addSeed(std::move(k));
        }
    } else {
        addSeed(nearest(best));
    }
    for (const std::vector<double> &other : others) {
        addSeed(nearest(other));
    }
    score(seeds);

    for (int pass = 0; pass < kPasses && !m_stopped(); ++pass) {
        compass();
        if (n > kCubeUpTo || m_stopped()) {
            break;
        }
        const double before = m_best->error;
        std::vector<GridPoint> around = cube(m_best->hundredths);
        score(around);
        if (!(m_best->error < before)) {
            break;
        }
    }
}

void GridRounding::compass()
{
    for (long step = kFirstStep; step >= 1 && !m_stopped(); step /= 2) {
        for (int move = 0; move < kMovesPerStep && !m_stopped(); ++move) {
            const double here = m_best->error;
            std::vector<GridPoint> around = neighbours(m_best->hundredths, step);
            if (around.empty()) {
                break;
            }
            score(around);
            if (!(m_best->error < here)) {
                break;
            }
        }
    }
}

std::vector<GridPoint> GridRounding::neighbours(const std::vector<long> &k, long step) const
{
    const std::size_t n = k.size();
    std::vector<GridPoint> out;
    const auto add = [&](std::vector<long> p) {
        if (inside(p)) {
            out.push_back({ std::move(p), kInfeasibleError, {} });
        }
    };
    for (std::size_t j = 0; j < n; ++j) {
        for (const long d : { -step, step }) {
            std::vector<long> p = k;
            p[j] += d;
            add(std::move(p));
        }
    }
    if (step == 1 && n <= kDiagonalsUpTo) {
        for (std::size_t a = 0; a < n; ++a) {
            for (std::size_t b = a + 1; b < n; ++b) {
                for (const long da : { -1L, 1L }) {
                    for (const long db : { -1L, 1L }) {
                        std::vector<long> p = k;
                        p[a] += da;
                        p[b] += db;
                        add(std::move(p));
                    }
                }
            }
        }
    }
    return out;
}

std::vector<GridPoint> GridRounding::cube(const std::vector<long> &centre) const
{
    const std::size_t n = centre.size();
    const long width = 2 * kCubeRadius + 1;
    long count = 1;
    for (std::size_t j = 0; j < n; ++j) {
        count *= width;
    }
    std::vector<GridPoint> out;
    for (long index = 0; index < count; ++index) {
        std::vector<long> k = centre;
        long rest = index;
        for (std::size_t j = 0; j < n; ++j) {
            k[j] += rest % width - kCubeRadius;
            rest /= width;
        }
        if (inside(k) && k != centre) {
            out.push_back({ std::move(k), kInfeasibleError, {} });
        }
    }
    return out;
}

} // namespace tarvik
