// `tarvik-cli optimize FILE --target NAME=VALUE[:WEIGHT]... --vary
// COORD=MIN:MAX... [--symmetric] [--prefer-small-change W] [--seed N]
// [--time-limit S] [--threads N]`: moves the named pick-up point coordinates
// within their ranges until the layout meets the targets as closely as it
// can, and prints one JSON object: the new box texts, each target with what
// the answer achieves, the weighted error, how far the answer moves the
// boxes and the number of engine calls. Nothing is written to the file.
//
// --prefer-small-change W weighs the movement from the layout among answers
// that meet the targets equally: 1 (the default) as the desktop window does,
// 0 not at all.
//
// Ranges are typed values (inches, X positive on both sides). --symmetric
// ties each named coordinate to the same box of the other side. One seed
// gives one answer on any machine, unless the time limit cuts the search.
#include "cli/optimizecommand.h"

#include "cli/clioptions.h"
#include "cli/searchstop.h"
#include "core/design/pickupoptimizer.h"
#include "core/text/numberreading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iostream>
#include <nlohmann/json.hpp>
#include <system_error>

namespace tarvik::cli {

namespace {

using nlohmann::ordered_json;

// The command's own safety net; a user may ask for more or less.
constexpr double kDefaultTimeLimitS = 60;

// Reads NAME=VALUE[:WEIGHT]; name is NAME exactly as typed, the key the
// output reports the target under.
bool parseTarget(
    const std::string &argument, DesignTarget &target, std::string &name, std::string &message)
{
    const auto equals = argument.find('=');
    if (equals == std::string::npos) {
        message = "option '--target' takes NAME=VALUE[:WEIGHT], not '" + argument + "'";
        return false;
    }
    const std::optional<DesignTarget> parsed
        = parseDesignTargetName(std::string_view(argument).substr(0, equals), message);
    if (!parsed) {
        return false;
    }
    target = *parsed;
    name = argument.substr(0, equals);
    const std::string rest = argument.substr(equals + 1);
    const auto colon = rest.find(':');
    const std::string valueText = rest.substr(0, colon);
    if (!parseCliNumber(valueText, target.value)) {
        message
            = "target '" + argument.substr(0, equals) + "' needs a number, not '" + valueText + "'";
        return false;
    }
    if (colon != std::string::npos) {
        const std::string weightText = rest.substr(colon + 1);
        if (!parseCliNumber(weightText, target.weight) || !(target.weight > 0)) {
            message = "target '" + argument.substr(0, equals) + "' needs a weight above 0, not '"
                + weightText + "'";
            return false;
        }
    }
    return true;
}

bool parseVary(
    const std::string &argument, bool symmetric, DesignVariable &variable, std::string &message)
{
    const auto equals = argument.find('=');
    const auto colon = argument.find(':', equals == std::string::npos ? 0 : equals);
    if (equals == std::string::npos || colon == std::string::npos) {
        message = "option '--vary' takes COORD=MIN:MAX, not '" + argument + "'";
        return false;
    }
    const std::string name = argument.substr(0, equals);
    const std::optional<Entry> entry = coordinateEntry(name);
    if (!entry) {
        message
            = "unknown coordinate '" + name + "' (SIDE.POINT.x|y, as in right.upper_frame_pivot.y)";
        return false;
    }
    double low = 0;
    double high = 0;
    const std::string lowText = argument.substr(equals + 1, colon - equals - 1);
    const std::string highText = argument.substr(colon + 1);
    if (!parseCliNumber(lowText, low) || !parseCliNumber(highText, high)) {
        message = "coordinate '" + name + "' needs a range MIN:MAX of numbers, not '"
            + argument.substr(equals + 1) + "'";
        return false;
    }
    variable = makeDesignVariable(*entry, low, high, symmetric);
    return true;
}

bool parseSeed(const std::string &text, std::uint64_t &seed)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seed);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

bool alreadyTied(const std::vector<DesignVariable> &variables, const DesignVariable &v)
{
    return std::any_of(variables.begin(), variables.end(), [&](const DesignVariable &other) {
        return other.entries.size() == 2 && v.entries.size() == 2
            && other.entries[0] == v.entries[1] && other.entries[1] == v.entries[0]
            && other.minValue == v.minValue && other.maxValue == v.maxValue;
    });
}

} // namespace

int runOptimizeCommand(const std::vector<std::string> &args)
{
    // --symmetric is the one option without a value; every other option
    // takes the next argument, whatever it looks like.
    bool symmetric = false;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--symmetric") {
            symmetric = true;
            continue;
        }
        rest.push_back(args[i]);
        if (args[i].size() > 2 && args[i].compare(0, 2, "--") == 0 && i + 1 < args.size()) {
            rest.push_back(args[++i]);
        }
    }
    CliArgs cli;
    std::string message;
    const auto refuse
        = [](const std::string &text) { return reportCliError("tarvik-cli optimize: " + text); };
    if (!parseCliArgs(rest,
            { "target", "vary", "seed", "time-limit", "threads", "prefer-small-change" }, cli,
            message)) {
        return refuse(message);
    }

    DesignProblem problem;
    OptimizerOptions options;
    options.timeLimitS = kDefaultTimeLimitS;
    double threads = 0;
    std::vector<std::string> targetNames; // as given, in the order of problem.targets
    for (const auto &[name, value] : cli.options) {
        if (name == "target") {
            DesignTarget target;
            std::string given;
            if (!parseTarget(value, target, given, message)) {
                return refuse(message);
            }
            problem.targets.push_back(target);
            targetNames.push_back(given);
        } else if (name == "vary") {
            DesignVariable variable;
            if (!parseVary(value, symmetric, variable, message)) {
                return refuse(message);
            }
            // With --symmetric, naming both sides of a pair with one range
            // is the same request as naming either.
            if (!alreadyTied(problem.variables, variable)) {
                problem.variables.push_back(variable);
            }
        } else if (name == "seed" && !parseSeed(value, options.seed)) {
            return refuse("option '--seed' needs a whole number from 0, not '" + value + "'");
        }
    }
    if (!readNumberOption(cli, "time-limit", options.timeLimitS, message)
        || !readNumberOption(cli, "threads", threads, message)
        || !readNumberOption(cli, "prefer-small-change", problem.preferSmallChange, message)) {
        return refuse(message);
    }
    if (!(options.timeLimitS > 0)) {
        return refuse("option '--time-limit' needs a number of seconds above 0");
    }
    if (threads < 0 || threads > 1024 || threads != std::floor(threads)) {
        return refuse("option '--threads' needs a whole number from 0 (every core) to 1024");
    }
    options.threads = static_cast<int>(threads);
    if (!(problem.preferSmallChange >= 0 && problem.preferSmallChange <= kMaxSmallChange)) {
        return refuse("option '--prefer-small-change' needs a weight from 0 (off) to 1e6");
    }

    VehicleData vehicle;
    if (!loadVehicleForCli(cli.file, vehicle, message)) {
        return reportCliError(message);
    }
    problem.layout.takeVehicle(vehicle, cli.file);
    if (const std::string refusal = designProblemRefusal(problem); !refusal.empty()) {
        return refuse(refusal);
    }

    const double preferSmallChange = problem.preferSmallChange;
    PickupOptimizer optimizer(std::move(problem), options);
    const OptimizerResult result = optimizer.run();

    ordered_json entries = ordered_json::object();
    ordered_json texts = ordered_json::object();
    for (const DesignEntryChange &change : result.entries) {
        entries[change.name] = readNumber(change.text);
        texts[change.name] = change.text;
    }
    ordered_json targets = ordered_json::object();
    for (std::size_t i = 0; i < result.targets.size() && i < targetNames.size(); ++i) {
        const DesignTargetOutcome &t = result.targets[i];
        targets[targetNames[i]] = { { "target", t.target }, { "achieved", t.achieved },
            { "weight", t.weight }, { "reached", t.reached } };
    }
    // null when the answer is a problem layout, or its error is beyond a number.
    const bool errorShown = !result.layoutProblem && std::isfinite(result.error);
    const ordered_json json = {
        { "entries", entries },
        { "texts", texts },
        { "targets", targets },
        { "error", errorShown ? ordered_json(result.error) : ordered_json(nullptr) },
        { "movement",
            { { "total", result.movement }, { "in_ranges", result.rangeMovement },
                { "prefer_small_change", preferSmallChange } } },
        { "layout_problem", result.layoutProblem },
        { "evaluations", result.evaluations },
        { "stopped", stopName(result.stop) },
        { "seed", options.seed },
    };
    std::cout << json.dump(2) << '\n';
    return kExitOk;
}

} // namespace tarvik::cli
