// Fitting the model to measured camber: the pick-up point coordinates the
// user is unsure of move, each within its tolerance around the value typed,
// until the model's camber at the measured positions is as close to the
// readings as it can be. The search is the pick-up point optimizer's, with
// one camber target per reading (weight 1), so the score it lowers is the
// sum of squared residuals and the root-mean-square residual with it; the
// optimizer's small preference for the least movement keeps a coordinate
// that does not change the camber where it was typed.
//
// A coordinate that ends at the edge of its tolerance is flagged: the fit
// wanted it further away, so it was probably measured wrong by more than
// the tolerance (or another coordinate is, and this one stands in for it).
#pragma once

#include "core/design/measurements.h"
#include "core/design/pickupoptimizer.h"
#include "core/layout/layoutkinds.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvik {

// The tolerance a ticked coordinate starts with, typed units.
inline constexpr double kDefaultFitToleranceIn = 0.25;
inline constexpr double kDefaultFitToleranceMm = 6;
double defaultFitTolerance(Units units);

struct FitRequest
{
    LayoutState layout;
    Settings settings; // the entry mode shapes the solve
    MeasurementSet measured;
    // Each unsure coordinate and its absolute range (typed units); see
    // fitVariable for a tolerance around the typed value.
    std::vector<DesignVariable> variables;
};

// The range value - tolerance .. value + tolerance around the coordinate's
// typed value.
DesignVariable fitVariable(const LayoutState &layout, Entry entry, double tolerance);

// One camber reading and the model's camber there.
struct FitPoint
{
    double dive = 0, roll = 0;
    int side = 0; // kSideRight or kSideLeft
    double measured = 0;
    double before = 0; // the typed layout's camber
    double after = 0; // the fitted layout's camber
};

struct FitMove
{
    std::string name; // "right.upper_ball_joint.y"
    Entry entry;
    double before = 0, after = 0; // typed values
    double minValue = 0, maxValue = 0;
    bool atTolerance = false; // ends within half a hundredth of a range end
};

struct FitResult
{
    std::string refusal; // non-empty: nothing else is filled
    // Root-mean-square of model minus measured over the readings, degrees;
    // nullopt when the layout is a problem the engine flags.
    std::optional<double> residualBefore, residualAfter;
    std::vector<DesignEntryChange> entries; // the boxes Apply changes, as "###.00" texts
    std::vector<FitMove> moves; // one per variable, in the order given
    std::vector<FitPoint> points; // per row, right then left, readings only
    bool layoutProblem = false;
    std::uint64_t evaluations = 0;
    OptimizerStop stop = OptimizerStop::Finished;
};

// The design problem the fit hands the optimizer.
DesignProblem fitProblem(const FitRequest &request);
// "" or why the fit cannot run: no reading, no coordinate, or the design
// problem's own refusal.
std::string fitRefusal(const FitRequest &request);
// Runs the whole fit (blocking); options as for the optimizer.
FitResult runModelFit(const FitRequest &request, const OptimizerOptions &options);
// What a search of fitProblem(request) found, as a fit: the windows run the
// search on a thread of their own and take its answer here.
FitResult fitOutcome(const FitRequest &request, const OptimizerResult &result);

// The model's camber at every reading of the set, in FitPoint order (after
// is left 0); nullopt when the layout is a problem. Also the RMS residual.
std::optional<std::vector<FitPoint>> modelAtMeasurements(
    const LayoutState &layout, const Settings &settings, const MeasurementSet &measured);
double rmsResidual(const std::vector<FitPoint> &points, bool after);

// The flag's text: "probably measured wrong by more than 0.25 in".
std::string fitFlagText(double tolerance, Units units);

} // namespace tarvik
