// The optimizer's last stage: the answer has to be typed into boxes that
// hold two decimals ("###.00"), so the search ends on the grid of whole
// hundredths of the typed unit. It scores every floor-or-ceiling rounding of the
// best continuous point (all of them up to 8 coordinates, else the nearest)
// and the nearest rounding of other good points, then runs a compass search
// with halving steps (16 hundredths down to 1, with diagonal moves of two
// coordinates at the last step) and, for up to 4 coordinates, a scan of every
// grid point within two hundredths, which finds the grid points nearest a
// curved valley of exact fits that compass moves step past.
#pragma once

#include "core/design/layoutevaluator.h"

#include <functional>
#include <optional>
#include <vector>

namespace tarvik {

struct GridPoint
{
    std::vector<long> hundredths; // per variable
    double error = kInfeasibleError;
    std::vector<double> achieved; // per target
};

class GridRounding
{
public:
    // Fills error and achieved of every point of a batch.
    using BatchScorer = std::function<void(std::vector<GridPoint> &)>;

    // low, high: the grid range of each variable, in hundredths.
    GridRounding(std::vector<long> low, std::vector<long> high, BatchScorer scorer,
        std::function<bool()> stopped);

    // best and others are typed values.
    void run(const std::vector<double> &best, const std::vector<std::vector<double>> &others);

    // The best grid point scored so far, if any.
    const std::optional<GridPoint> &best() const { return m_best; }
    // The grid point nearest to typed values, inside the ranges.
    std::vector<long> nearest(const std::vector<double> &values) const;

private:
    void score(std::vector<GridPoint> &batch);
    void compass();
    bool inside(const std::vector<long> &k) const;
    std::vector<GridPoint> neighbours(const std::vector<long> &k, long step) const;
    std::vector<GridPoint> cube(const std::vector<long> &centre) const;

    std::vector<long> m_low, m_high;
    BatchScorer m_scorer;
    std::function<bool()> m_stopped;
    std::optional<GridPoint> m_best;
};

} // namespace tarvik
