// The fit of pick-up point coordinates to measured camber (see modelfit.h).
#include "core/design/modelfit.h"

#include "core/design/layoutevaluator.h"
#include "core/layout/entrynumbers.h"
#include "core/text/numberreading.h"

#include <cmath>

namespace tarvik {

namespace {

std::vector<DesignTarget> readingTargets(const MeasurementSet &measured)
{
    std::vector<DesignTarget> targets;
    for (const MeasurementRow &row : measured.rows) {
        for (const int side : { kSideRight, kSideLeft }) {
            if (const auto &camber = row.camber[static_cast<std::size_t>(side)]) {
                DesignTarget t;
                t.kind = DesignTargetKind::Camber;
                t.side = side;
                t.diveIn = row.dive;
                t.rollDeg = row.roll;
                t.value = *camber;
                targets.push_back(t);
            }
        }
    }
    return targets;
}

std::vector<FitPoint> pointsOf(const std::vector<DesignTarget> &targets)
{
    std::vector<FitPoint> points;
    for (const DesignTarget &t : targets) {
        points.push_back({ t.diveIn, t.rollDeg, t.side, t.value, 0, 0 });
    }
    return points;
}

} // namespace

double defaultFitTolerance(Units units)
{
    return units == Units::English ? kDefaultFitToleranceIn : kDefaultFitToleranceMm;
}

DesignVariable fitVariable(const LayoutState &layout, Entry entry, double tolerance)
{
    const double value = readNumber(layout.record.get(entry));
    return makeDesignVariable(entry, value - tolerance, value + tolerance, false);
}

DesignProblem fitProblem(const FitRequest &request)
{
    DesignProblem problem;
    problem.layout = request.layout;
    problem.settings = request.settings;
    problem.targets = readingTargets(request.measured);
    problem.variables = request.variables;
    return problem;
}

std::string fitRefusal(const FitRequest &request)
{
    if (!request.measured.hasReadings()) {
        return "There is no measured camber to fit the model to.";
    }
    if (request.variables.empty()) {
        return "Tick at least one coordinate the fit may move.";
    }
    return designProblemRefusal(fitProblem(request));
}

std::optional<std::vector<FitPoint>> modelAtMeasurements(
    const LayoutState &layout, const Settings &settings, const MeasurementSet &measured)
{
    DesignProblem problem;
    problem.layout = layout;
    problem.settings = settings;
    problem.targets = readingTargets(measured);
    std::vector<FitPoint> points = pointsOf(problem.targets);
    if (points.empty()) {
        return points;
    }
    std::vector<double> achieved(problem.targets.size(), 0.0);
    LayoutEvaluator evaluator(problem);
    if (evaluator.evaluate({}, achieved) >= kInfeasibleError) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        points[i].before = achieved[i];
    }
    return points;
}

double rmsResidual(const std::vector<FitPoint> &points, bool after)
{
    if (points.empty()) {
        return 0;
    }
    double sum = 0;
    for (const FitPoint &p : points) {
        const double miss = (after ? p.after : p.before) - p.measured;
        sum += miss * miss;
    }
    return std::sqrt(sum / static_cast<double>(points.size()));
}

FitResult runModelFit(const FitRequest &request, const OptimizerOptions &options)
{
    if (std::string refusal = fitRefusal(request); !refusal.empty()) {
        FitResult out;
        out.refusal = std::move(refusal);
        return out;
    }
    return fitOutcome(request, PickupOptimizer(fitProblem(request), options).run());
}

FitResult fitOutcome(const FitRequest &request, const OptimizerResult &result)
{
    FitResult out;
    if (!result.refusal.empty()) {
        out.refusal = result.refusal;
        return out;
    }
    const std::optional<std::vector<FitPoint>> before
        = modelAtMeasurements(request.layout, request.settings, request.measured);
    out.points = before ? *before : pointsOf(readingTargets(request.measured));
    for (std::size_t i = 0; i < out.points.size() && i < result.targets.size(); ++i) {
        out.points[i].after = result.targets[i].achieved;
    }
    if (before) {
        out.residualBefore = rmsResidual(out.points, false);
    }
    out.layoutProblem = result.layoutProblem;
    if (!result.layoutProblem) {
        out.residualAfter = rmsResidual(out.points, true);
    }
    out.entries = result.entries;
    for (const DesignVariable &v : request.variables) {
        FitMove move;
        move.entry = v.entries.front();
        move.name = coordinateName(move.entry);
        move.before = readNumber(request.layout.record.get(move.entry));
        move.after = move.before;
        for (const DesignEntryChange &change : result.entries) {
            if (change.entry == move.entry) {
                move.after = readNumber(change.text);
            }
        }
        move.minValue = v.minValue;
        move.maxValue = v.maxValue;
        // No hundredth further out is left inside the range.
        move.atTolerance = move.after - v.minValue < kDesignGridStep - 1e-9
            || v.maxValue - move.after < kDesignGridStep - 1e-9;
        out.moves.push_back(move);
    }
    out.evaluations = result.evaluations;
    out.stop = result.stop;
    return out;
}

std::string fitFlagText(double tolerance, Units units)
{
    // A tolerance taken back from a range's ends carries binary noise.
    const double shown = std::round(tolerance * 1e6) / 1e6;
    return "probably measured wrong by more than " + measurementNumberText(shown)
        + (units == Units::English ? " in" : " mm");
}

} // namespace tarvik
