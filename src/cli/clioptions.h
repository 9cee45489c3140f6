// Command-line helpers shared by the tarvik-cli commands: reading
// "FILE [--name VALUE]..." argument lists, strict number options, loading a
// vehicle file with the exact refusal messages, and turning a loaded layout
// into an engine input. Every failure comes back as a one-line message; the
// command prints it with reportCliError() and exits with status 2.
#pragma once

#include "core/geometry/engine.h"
#include "core/layout/layoutstate.h"
#include "core/layout/settings.h"
#include "core/layout/vehiclefile.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvik::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 2;

// One FILE argument and any number of "--name VALUE" pairs. Every option
// takes exactly one value, which may start with '-' ("--dive -2.6").
struct CliArgs
{
    std::string file;
    std::vector<std::pair<std::string, std::string>> options; // names without "--", in order

    // The value of the last occurrence of an option, or nullptr.
    const std::string *find(std::string_view name) const;
};

// Reads args into out; names not in allowed (given without "--"), a missing
// value, a missing or second FILE are refused with a message.
bool parseCliArgs(const std::vector<std::string> &args,
    std::initializer_list<std::string_view> allowed, CliArgs &out, std::string &message);

// The whole text, blanks aside (as the program reads every number), must be a
// decimal number (sign, digits, point, exponent).
bool parseCliNumber(std::string_view text, double &value);

// Reads an optional number option into value (left unchanged when absent).
bool readNumberOption(
    const CliArgs &args, std::string_view name, double &value, std::string &message);

// Loads a vehicle file; a missing, unreadable, foreign or short file gives
// false with the message to print ("This is not a Tarvik file and can not be
// used." for a file without the magic line).
bool loadVehicleForCli(const std::string &path, VehicleData &data, std::string &message);

// The file's layout moved by --dive and --roll: with either option the
// dive-and-roll pass runs with both (a missing one is 0); the dive and roll
// stored in the file are never used.
bool loadMovedLayout(
    const CliArgs &args, double dive, double roll, LayoutState &layout, std::string &message);

// The settings a solve takes from the command line: --entry-mode xy|arm
// (default xy; a strut layout always solves in xy) and, with
// --gain-dive/--gain-roll, the non-standard camber-gain definition (a
// missing one of the pair reads "0"). Everything else keeps its start value.
bool readSolveSettings(const CliArgs &args, Settings &settings, std::string &message);

// Prints the message as one line on standard error; returns kExitRefused.
int reportCliError(const std::string &message);

} // namespace tarvik::cli
