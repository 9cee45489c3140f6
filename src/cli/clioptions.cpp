// Command-line helpers shared by the tarvik-cli commands (see clioptions.h).
#include "cli/clioptions.h"

#include "core/layout/entrynumbers.h"
#include "core/text/numbertext.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace tarvik::cli {

const std::string *CliArgs::find(std::string_view name) const
{
    for (auto it = options.rbegin(); it != options.rend(); ++it) {
        if (it->first == name) {
            return &it->second;
        }
    }
    return nullptr;
}

bool parseCliArgs(const std::vector<std::string> &args,
    std::initializer_list<std::string_view> allowed, CliArgs &out, std::string &message)
{
    out = CliArgs {};
    bool haveFile = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            const std::string name = arg.substr(2);
            if (std::find(allowed.begin(), allowed.end(), name) == allowed.end()) {
                message = "unknown option '" + arg + "'";
                return false;
            }
            if (i + 1 >= args.size()) {
                message = "option '" + arg + "' needs a value";
                return false;
            }
            out.options.emplace_back(name, args[i + 1]);
            ++i;
            continue;
        }
        if (haveFile) {
            message = "unexpected argument '" + arg + "'";
            return false;
        }
        out.file = arg;
        haveFile = true;
    }
    if (!haveFile || out.file.empty()) {
        message = "no vehicle file given";
        return false;
    }
    return true;
}

bool parseCliNumber(std::string_view text, double &value)
{
    // Blanks count for nothing, as in every box and file the program reads;
    // what is left must be a plain decimal number: no hex, inf or nan, which
    // strtod would take.
    std::string copy;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\n') {
            continue;
        }
        const bool ok
            = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
        if (!ok) {
            return false;
        }
        copy.push_back(c);
    }
    if (copy.empty() || copy.size() > 64) {
        return false;
    }
    char *end = nullptr;
    errno = 0;
    const double parsed = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size() || errno == ERANGE) {
        return false;
    }
    value = parsed;
    return true;
}

bool readNumberOption(
    const CliArgs &args, std::string_view name, double &value, std::string &message)
{
    const std::string *text = args.find(name);
    if (text == nullptr) {
        return true;
    }
    if (!parseCliNumber(*text, value)) {
        message = "option '--" + std::string(name) + "' needs a number, not '" + *text + "'";
        return false;
    }
    return true;
}

bool loadVehicleForCli(const std::string &path, VehicleData &data, std::string &message)
{
    std::error_code ec;
    const std::filesystem::path file(path);
    if (!std::filesystem::exists(file, ec)) {
        message = "cannot open '" + path + "': no such file";
        return false;
    }
    if (std::filesystem::is_directory(file, ec)) {
        message = "cannot open '" + path + "': it is a folder";
        return false;
    }
    VehicleReadResult result = readVehicleFile(file);
    if (!result.ok) {
        message = result.message.empty() ? "cannot read '" + path + "'" : result.message;
        return false;
    }
    data = std::move(result.data);
    return true;
}

bool loadMovedLayout(
    const CliArgs &args, double dive, double roll, LayoutState &layout, std::string &message)
{
    VehicleData vehicle;
    if (!loadVehicleForCli(args.file, vehicle, message)) {
        return false;
    }
    layout.takeVehicle(vehicle, args.file);
    const bool moved = args.find("dive") != nullptr || args.find("roll") != nullptr;
    layout.record.set(Entry::dive(), moved ? numberText(dive) : std::string());
    layout.record.set(Entry::roll(), moved ? numberText(roll) : std::string());
    layout.applyDiveRoll = moved;
    return true;
}

bool readSolveSettings(const CliArgs &args, Settings &settings, std::string &message)
{
    if (const std::string *text = args.find("entry-mode"); text != nullptr && *text != "xy") {
        if (*text != "arm") {
            message = "option '--entry-mode' takes xy or arm, not '" + *text + "'";
            return false;
        }
        settings.entryMode = EntryMode::LengthAndAngle;
    }
    const std::string *dive = args.find("gain-dive");
    const std::string *roll = args.find("gain-roll");
    if (dive == nullptr && roll == nullptr) {
        return true;
    }
    double unused = 0;
    if (!readNumberOption(args, "gain-dive", unused, message)
        || !readNumberOption(args, "gain-roll", unused, message)) {
        return false;
    }
    settings.GainSpecChoice = 1;
    settings.GainDiveText = dive != nullptr ? *dive : "0";
    settings.GainRollText = roll != nullptr ? *roll : "0";
    return true;
}

int reportCliError(const std::string &message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    return kExitRefused;
}

} // namespace tarvik::cli
