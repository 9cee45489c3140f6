// Nelder-Mead simplex search inside the unit box, the optimizer's local
// polish. Coordinates are normalised to [0, 1] per variable; a trial point
// outside the box is clamped onto it before it is scored, so the search
// never asks for a layout outside the allowed moves. Coefficients adapt to
// the dimension (reflection 1, expansion 1 + 2/n, contraction 0.75 - 1/2n,
// shrink 1 - 1/n), which keeps the simplex from collapsing in many
// dimensions.
#pragma once

#include <functional>
#include <span>
#include <vector>

namespace tarvik {

struct NelderMeadOptions
{
    double step = 0.05; // initial simplex edge, in unit-box coordinates
    int maxEvaluations = 1000;
    double goodEnough = 0; // stop once an error at or below this is found
    // Converged when the simplex is this small and its errors this close.
    double sizeTolerance = 1e-9;
    double errorTolerance = 1e-15;
};

struct NelderMeadResult
{
    std::vector<double> point; // in the unit box
    double error = 0;
    int evaluations = 0;
};

// objective scores a point of the unit box; stop() is asked before every
// evaluation and ends the search with the best point so far.
NelderMeadResult nelderMead(const std::function<double(std::span<const double>)> &objective,
    std::vector<double> start, double startError, const NelderMeadOptions &options,
    const std::function<bool()> &stop);

} // namespace tarvik
