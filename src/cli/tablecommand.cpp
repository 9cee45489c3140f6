// `tarvik-cli table FILE [options]`: the camber-table sweep of a vehicle file,
// printed as CSV (right grid, empty line, left grid) or as JSON, with the
// cell texts exactly as the Camber Table window shows them. --quantity
// chooses what the cells show: camber (the default), or the moved roll
// centre's height (rc-height) or lateral position (rc-lateral, inches,
// positive toward the car's left), which both grids repeat.
//
// The range options are texts, kept as typed like the table-spec window
// keeps them; the increments are the window's choice indexes. A spec bigger
// than 10 rows by 11 columns is refused (status 2) with the window's message.
#include "cli/tablecommand.h"

#include "cli/clioptions.h"
#include "core/geometry/engineinputbuilder.h"
#include "core/layout/units.h"
#include "core/table/cambertable.h"
#include "core/table/tablecsv.h"
#include "core/table/tablequantity.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>

namespace tarvik::cli {

namespace {

bool readIncIndex(
    const CliArgs &args, std::string_view name, int highest, int &index, std::string &message)
{
    const std::string *text = args.find(name);
    if (text == nullptr) {
        return true;
    }
    double value = 0;
    // Range first: only a value known to fit may be converted to int.
    if (!parseCliNumber(*text, value) || !(value >= 0 && value <= highest)
        || value != std::floor(value)) {
        message = "option '--" + std::string(name) + "' takes a whole number from 0 to "
            + std::to_string(highest) + ", not '" + *text + "'";
        return false;
    }
    index = static_cast<int>(value);
    return true;
}

// Range ends are texts read with the leading-number rule, as the table-spec
// window's boxes are; the command still insists on a number so that a typo
// does not silently become 0.
bool readRangeText(
    const CliArgs &args, std::string_view name, std::string &text, std::string &message)
{
    const std::string *given = args.find(name);
    if (given == nullptr) {
        return true;
    }
    double value = 0;
    if (!parseCliNumber(*given, value)) {
        message = "option '--" + std::string(name) + "' needs a number, not '" + *given + "'";
        return false;
    }
    text = *given;
    return true;
}

bool readTableSpec(const CliArgs &args, TableSpec &spec, std::string &message)
{
    if (const std::string *rows = args.find("rows")) {
        if (*rows == "dive") {
            spec.RowsAreRoll = 0;
        } else if (*rows == "roll") {
            spec.RowsAreRoll = 1;
        } else {
            message = "option '--rows' takes dive or roll, not '" + *rows + "'";
            return false;
        }
    }
    return readRangeText(args, "dive-from", spec.DiveFrom, message)
        && readRangeText(args, "dive-to", spec.DiveTo, message)
        && readIncIndex(args, "dive-inc", 3, spec.DiveIncIndex, message)
        && readRangeText(args, "roll-from", spec.RollFrom, message)
        && readRangeText(args, "roll-to", spec.RollTo, message)
        && readIncIndex(args, "roll-inc", 4, spec.RollIncIndex, message);
}

bool readQuantity(const CliArgs &args, TableQuantity &quantity, std::string &message)
{
    const std::string *text = args.find("quantity");
    if (text == nullptr) {
        return true;
    }
    const std::optional<TableQuantity> named = tableQuantityFromKey(*text);
    if (!named) {
        message = "option '--quantity' takes camber, rc-height or rc-lateral, not '" + *text + "'";
        return false;
    }
    quantity = *named;
    return true;
}

// The JSON names the quantity only when it was asked for, so the default
// output stays what it always was.
void printJson(const CamberTable &table, bool nameQuantity)
{
    nlohmann::ordered_json out = { { "rows_are_roll", table.RowsAreRoll } };
    if (nameQuantity) {
        out["quantity"] = std::string(tableQuantityKey(table.quantity));
    }
    out["right"] = table.grids[kSideRight];
    out["left"] = table.grids[kSideLeft];
    std::cout << out.dump() << '\n';
}

} // namespace

int runTableCommand(const std::vector<std::string> &args)
{
    CliArgs parsed;
    std::string message;
    const auto refuse
        = [](const std::string &text) { return reportCliError("tarvik-cli table: " + text); };
    if (!parseCliArgs(args,
            { "rows", "dive-from", "dive-to", "dive-inc", "roll-from", "roll-to", "roll-inc",
                "entry-mode", "gain-dive", "gain-roll", "format", "quantity" },
            parsed, message)) {
        return refuse(message);
    }
    bool json = false;
    if (const std::string *format = parsed.find("format")) {
        if (*format != "csv" && *format != "json") {
            return refuse("option '--format' takes csv or json, not '" + *format + "'");
        }
        json = *format == "json";
    }
    TableSpec spec = standardTableSpec();
    Settings settings;
    TableQuantity quantity = TableQuantity::Camber;
    if (!readTableSpec(parsed, spec, message) || !readSolveSettings(parsed, settings, message)
        || !readQuantity(parsed, quantity, message)) {
        return refuse(message);
    }
    // A range refused in inches is refused before the file is read, unless
    // the file is metric: its dive range and steps are millimetres.
    std::string refusal = tableSpecRefusal(spec);
    VehicleData vehicle;
    if (!loadVehicleForCli(parsed.file, vehicle, message)) {
        // The file's own message stands alone, as every command prints it.
        return refusal.empty() ? reportCliError(message) : refuse(refusal);
    }
    LayoutState layout;
    layout.takeVehicle(vehicle, parsed.file);
    if (layout.units == Units::Metric) {
        // The standard range is the same two inches each way, in millimetres.
        for (const auto &[option, text] :
            { std::pair { "dive-from", &spec.DiveFrom }, std::pair { "dive-to", &spec.DiveTo } }) {
            if (parsed.find(option) == nullptr) {
                *text = convertText(*text, Quantity::Length, true);
            }
        }
        refusal = tableSpecRefusal(spec, layout.units);
    }
    if (!refusal.empty()) {
        return refuse(refusal);
    }
    const CamberTable table
        = fillQuantityTable(quantity, spec, buildEngineInput(layout, settings), BaselineState {});
    if (!table.refusal.empty()) {
        return refuse(table.refusal);
    }
    if (table.warningCells > 0 || table.problemCells > 0) {
        // The geometry warning once per sweep, with how many cells it concerns.
        const int cells = std::max(table.warningCells, table.problemCells);
        std::cerr << "tarvik-cli table: " << kLayoutProblemStatus << " (" << cells << " of "
                  << table.dataRows * table.dataColumns << " cells)\n";
    }
    if (json) {
        printJson(table, parsed.find("quantity") != nullptr);
    } else {
        std::cout << tableCsv(table, "\n"); // RFC 4180 fields; LF lines for a terminal
    }
    std::cout.flush();
    return std::cout ? kExitOk : kExitRefused;
}

} // namespace tarvik::cli
