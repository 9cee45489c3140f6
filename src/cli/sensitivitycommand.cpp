// `tarvik-cli sensitivity FILE [--dive D --roll R] [--entry-mode xy|arm]
// [--format json|csv]`: how much each result changes per unit (inch, or mm
// on a metric file) of each pick-up point coordinate, largest effects first.
// JSON: {"coordinates": {"right.upper_ball_joint.y": {"rc-height": ...}},
// "units": {"rc-height": "in/in", ...}}; null where the moved layout is one
// the engine flags as a problem.
#include "cli/sensitivitycommand.h"

#include "cli/clioptions.h"
#include "core/design/sensitivity.h"

#include <cmath>
#include <iostream>
#include <nlohmann/json.hpp>

namespace tarvik::cli {

int runSensitivityCommand(const std::vector<std::string> &args)
{
    using nlohmann::ordered_json;
    CliArgs cli;
    std::string message;
    const auto refuse
        = [](const std::string &text) { return reportCliError("tarvik-cli sensitivity: " + text); };
    if (!parseCliArgs(args, { "dive", "roll", "format", "entry-mode" }, cli, message)) {
        return refuse(message);
    }
    const std::string *format = cli.find("format");
    if (format && *format != "json" && *format != "csv") {
        return refuse("option '--format' takes json or csv, not '" + *format + "'");
    }
    std::optional<ChassisPosition> position;
    if (cli.find("dive") || cli.find("roll")) {
        position = ChassisPosition {};
        if (!readNumberOption(cli, "dive", position->dive, message)
            || !readNumberOption(cli, "roll", position->roll, message)) {
            return refuse(message);
        }
    }
    VehicleData vehicle;
    if (!loadVehicleForCli(cli.file, vehicle, message)) {
        return reportCliError(message);
    }
    LayoutState layout;
    layout.takeVehicle(vehicle, cli.file);
    Settings settings;
    if (!readSolveSettings(cli, settings, message)) {
        return refuse(message);
    }
    const SensitivityTable table = computeSensitivity(layout, settings, position);
    if (table.layoutProblem) {
        return refuse("the layout is one the engine flags as a problem; nothing to differentiate");
    }
    if (format && *format == "csv") {
        std::cout << sensitivityCsv(table);
        return kExitOk;
    }
    ordered_json coordinates = ordered_json::object();
    for (std::size_t r = 0; r < table.coordinates.size(); ++r) {
        ordered_json row = ordered_json::object();
        for (std::size_t k = 0; k < table.results.size(); ++k) {
            const double v = table.perUnit[r][k];
            row[table.results[k]] = std::isfinite(v) ? ordered_json(v) : ordered_json(nullptr);
        }
        coordinates[table.coordinates[r]] = row;
    }
    ordered_json units = ordered_json::object();
    for (std::size_t k = 0; k < table.results.size(); ++k) {
        units[table.results[k]] = table.units[k];
    }
    std::cout << ordered_json { { "coordinates", coordinates }, { "units", units } }.dump(2)
              << '\n';
    return kExitOk;
}

} // namespace tarvik::cli
