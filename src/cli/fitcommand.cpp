// `tarvik-cli fit FILE --measured M.csv --vary COORD=TOL... [--seed N]
// [--time-limit S] [--threads N]`: moves the named pick-up point coordinates,
// each within TOL of its typed value (or within MIN:MAX), until the model's
// camber at the measured dive and roll positions comes as close to the
// readings as it can, and prints one JSON object: the RMS residual before
// and after, the new values and moves, the coordinates that ended at their
// tolerance, each reading with the model's camber before and after, the
// engine calls and why the search stopped. Nothing is written to the file.
#include "cli/fitcommand.h"

#include "cli/clioptions.h"
#include "cli/searchstop.h"
#include "core/design/modelfit.h"
#include "core/layout/entrynumbers.h"
#include "core/text/numberreading.h"

#include <charconv>
#include <cmath>
#include <iostream>
#include <nlohmann/json.hpp>
#include <system_error>

namespace tarvik::cli {

namespace {

using nlohmann::ordered_json;

constexpr double kDefaultTimeLimitS = 60;

// COORD=TOL around the typed value, or COORD=MIN:MAX.
bool parseFitVary(const std::string &argument, const LayoutState &layout, DesignVariable &variable,
    std::string &message)
{
    const auto equals = argument.find('=');
    if (equals == std::string::npos) {
        message = "option '--vary' takes COORD=TOL or COORD=MIN:MAX, not '" + argument + "'";
        return false;
    }
    const std::string name = argument.substr(0, equals);
    const std::optional<Entry> entry = coordinateEntry(name);
    if (!entry) {
        message
            = "unknown coordinate '" + name + "' (SIDE.POINT.x|y, as in right.upper_frame_pivot.y)";
        return false;
    }
    const std::string range = argument.substr(equals + 1);
    const auto colon = range.find(':');
    if (colon == std::string::npos) {
        double tolerance = 0;
        if (!parseCliNumber(range, tolerance) || !(tolerance > 0)) {
            message = "coordinate '" + name + "' needs a tolerance above 0, not '" + range + "'";
            return false;
        }
        variable = fitVariable(layout, *entry, tolerance);
        return true;
    }
    double low = 0;
    double high = 0;
    if (!parseCliNumber(range.substr(0, colon), low)
        || !parseCliNumber(range.substr(colon + 1), high)) {
        message = "coordinate '" + name + "' needs a range MIN:MAX of numbers, not '" + range + "'";
        return false;
    }
    variable = makeDesignVariable(*entry, low, high, false);
    return true;
}

ordered_json optionalNumber(const std::optional<double> &value)
{
    return value ? ordered_json(*value) : ordered_json(nullptr);
}

ordered_json pointsJson(const FitResult &result)
{
    // One object per measurement row, with the sides it has readings for.
    ordered_json points = ordered_json::array();
    for (std::size_t i = 0; i < result.points.size(); ++i) {
        const FitPoint &p = result.points[i];
        if (points.empty() || i == 0 || result.points[i - 1].dive != p.dive
            || result.points[i - 1].roll != p.roll) {
            points.push_back({ { "dive", p.dive }, { "roll", p.roll } });
        }
        points.back()[p.side == kSideRight ? "camber_right" : "camber_left"] = {
            { "measured", p.measured }, { "before", p.before },
            { "after", result.layoutProblem ? ordered_json(nullptr) : ordered_json(p.after) }
        };
    }
    return points;
}

} // namespace

int runFitCommand(const std::vector<std::string> &args)
{
    CliArgs cli;
    std::string message;
    const auto refuse
        = [](const std::string &text) { return reportCliError("tarvik-cli fit: " + text); };
    if (!parseCliArgs(
            args, { "measured", "vary", "seed", "time-limit", "threads" }, cli, message)) {
        return refuse(message);
    }
    OptimizerOptions options;
    options.timeLimitS = kDefaultTimeLimitS;
    double threads = 0;
    if (const std::string *seed = cli.find("seed")) {
        const auto [end, ec]
            = std::from_chars(seed->data(), seed->data() + seed->size(), options.seed);
        if (seed->empty() || ec != std::errc() || end != seed->data() + seed->size()) {
            return refuse("option '--seed' needs a whole number from 0, not '" + *seed + "'");
        }
    }
    if (!readNumberOption(cli, "time-limit", options.timeLimitS, message)
        || !readNumberOption(cli, "threads", threads, message)) {
        return refuse(message);
    }
    if (!(options.timeLimitS > 0)) {
        return refuse("option '--time-limit' needs a number of seconds above 0");
    }
    if (threads < 0 || threads > 1024 || threads != std::floor(threads)) {
        return refuse("option '--threads' needs a whole number from 0 (every core) to 1024");
    }
    options.threads = static_cast<int>(threads);
    const std::string *measuredPath = cli.find("measured");
    if (!measuredPath) {
        return refuse("option '--measured M.csv' is needed");
    }

    VehicleData vehicle;
    if (!loadVehicleForCli(cli.file, vehicle, message)) {
        return reportCliError(message);
    }
    FitRequest request;
    request.layout.takeVehicle(vehicle, cli.file);
    const MeasurementReadResult measured = readMeasurementFile(*measuredPath);
    if (!measured.ok) {
        return refuse(measured.message);
    }
    request.measured = measured.set;
    for (const auto &[name, value] : cli.options) {
        if (name == "vary") {
            DesignVariable variable;
            if (!parseFitVary(value, request.layout, variable, message)) {
                return refuse(message);
            }
            request.variables.push_back(variable);
        }
    }
    if (const std::string refusal = fitRefusal(request); !refusal.empty()) {
        return refuse(refusal);
    }

    const FitResult result = runModelFit(request, options);
    if (!result.refusal.empty()) {
        return refuse(result.refusal);
    }
    ordered_json entries = ordered_json::object();
    ordered_json moved = ordered_json::object();
    ordered_json atTolerance = ordered_json::array();
    for (const FitMove &move : result.moves) {
        entries[move.name] = move.after;
        // Both are typed texts; the difference keeps no binary noise.
        moved[move.name] = std::round((move.after - move.before) * 1e6) / 1e6;
        if (move.atTolerance) {
            atTolerance.push_back(move.name);
        }
    }
    const ordered_json json = {
        { "residual_before", optionalNumber(result.residualBefore) },
        { "residual_after", optionalNumber(result.residualAfter) },
        { "entries", entries },
        { "moved", moved },
        { "at_tolerance", atTolerance },
        { "points", pointsJson(result) },
        { "layout_problem", result.layoutProblem },
        { "evaluations", result.evaluations },
        { "stopped", stopName(result.stop) },
        { "seed", options.seed },
    };
    std::cout << json.dump(2) << '\n';
    return kExitOk;
}

} // namespace tarvik::cli
