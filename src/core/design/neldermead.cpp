// Nelder-Mead in the unit box (see neldermead.h).
#include "core/design/neldermead.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace tarvik {

namespace {

void clampToBox(std::vector<double> &p)
{
    for (double &v : p) {
        v = std::clamp(v, 0.0, 1.0);
    }
}

} // namespace

NelderMeadResult nelderMead(const std::function<double(std::span<const double>)> &objective,
    std::vector<double> start, double startError, const NelderMeadOptions &options,
    const std::function<bool()> &stop)
{
    const std::size_t n = start.size();
    const double dn = static_cast<double>(std::max<std::size_t>(n, 1));
    const double expansion = 1 + 2 / dn;
    const double contraction = 0.75 - 1 / (2 * dn);
    const double shrink = 1 - 1 / dn > 0 ? 1 - 1 / dn : 0.5;

    NelderMeadResult result;
    clampToBox(start);
    result.point = start;
    result.error = startError;
    if (n == 0) {
        return result;
    }

    bool halted = false;
    const auto score = [&](std::vector<double> &p) {
        clampToBox(p);
        if (halted || result.evaluations >= options.maxEvaluations || stop()) {
            halted = true;
            return HUGE_VAL;
        }
        ++result.evaluations;
        const double e = objective(p);
        if (e < result.error) {
            result.error = e;
            result.point = p;
        }
        return e;
    };

    std::vector<std::vector<double>> simplex(n + 1, start);
    std::vector<double> errors(n + 1, startError);
    for (std::size_t i = 0; i < n; ++i) {
        std::vector<double> &p = simplex[i + 1];
        p[i] += start[i] + options.step <= 1 ? options.step : -options.step;
        errors[i + 1] = score(p);
    }

    std::vector<std::size_t> order(n + 1);
    std::vector<double> centroid(n), reflected(n), trial(n);
    while (!halted && result.error > options.goodEnough) {
        std::iota(order.begin(), order.end(), std::size_t { 0 });
        std::stable_sort(order.begin(), order.end(),
            [&](std::size_t a, std::size_t b) { return errors[a] < errors[b]; });
        const std::size_t best = order.front();
        const std::size_t worst = order.back();
        const std::size_t secondWorst = order[n - 1];

        double size = 0;
        for (std::size_t i = 0; i <= n; ++i) {
            for (std::size_t j = 0; j < n; ++j) {
                size = std::max(size, std::fabs(simplex[i][j] - simplex[best][j]));
            }
        }
        if (size <= options.sizeTolerance
            && errors[worst] - errors[best] <= options.errorTolerance) {
            break;
        }

        std::fill(centroid.begin(), centroid.end(), 0.0);
        for (std::size_t i = 0; i <= n; ++i) {
            if (i != worst) {
                for (std::size_t j = 0; j < n; ++j) {
                    centroid[j] += simplex[i][j] / dn;
                }
            }
        }
        for (std::size_t j = 0; j < n; ++j) {
            reflected[j] = centroid[j] + (centroid[j] - simplex[worst][j]);
        }
        const double fr = score(reflected);
        if (fr < errors[best]) {
            for (std::size_t j = 0; j < n; ++j) {
                trial[j] = centroid[j] + expansion * (reflected[j] - centroid[j]);
            }
            const double fe = score(trial);
            simplex[worst] = fe < fr ? trial : reflected;
            errors[worst] = std::min(fe, fr);
            continue;
        }
        if (fr < errors[secondWorst]) {
            simplex[worst] = reflected;
            errors[worst] = fr;
            continue;
        }
        // Contract: outside when the reflection beat the worst point, else
        // inside, between the centroid and the worst point.
        const bool outside = fr < errors[worst];
        const std::vector<double> &toward = outside ? reflected : simplex[worst];
        for (std::size_t j = 0; j < n; ++j) {
            trial[j] = centroid[j] + contraction * (toward[j] - centroid[j]);
        }
        const double fc = score(trial);
        if (fc < (outside ? fr : errors[worst])) {
            simplex[worst] = trial;
            errors[worst] = fc;
            continue;
        }
        for (std::size_t i = 0; i <= n; ++i) {
            if (i == best) {
                continue;
            }
            for (std::size_t j = 0; j < n; ++j) {
                simplex[i][j] = simplex[best][j] + shrink * (simplex[i][j] - simplex[best][j]);
            }
            errors[i] = score(simplex[i]);
        }
    }
    return result;
}

} // namespace tarvik
