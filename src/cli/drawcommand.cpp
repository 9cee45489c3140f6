// `tarvik-cli draw FILE [--dive IN] [--roll DEG] [--size WxH] -o OUT.svg`:
// one engine call on a vehicle file with its scene and captions, written as
// SVG. Without --dive and --roll the static layout is drawn as the main
// window draws it with dive and roll "No"; with either, the dive-and-roll
// pass is drawn over the gray static layout as with "Yes". "-o -" writes the
// picture to standard output. The output file is replaced only once the
// whole picture is written.
#include "cli/drawcommand.h"

#include "cli/clioptions.h"
#include "core/geometry/engineinputbuilder.h"
#include "core/geometry/scenesvg.h"
#include "core/layout/entrynumbers.h"
#include "core/layout/textfile.h"
#include "core/text/numbertext.h"

#include <algorithm>
#include <charconv>
#include <iostream>

namespace tarvik::cli {

namespace {

constexpr int kMinSide = 16;
constexpr int kMaxSide = 20000;

bool readSide(std::string_view text, int &value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size()
        && value >= kMinSide && value <= kMaxSide;
}

// "WxH" in whole pixels, each from 16 to 20000.
bool readSize(const CliArgs &args, SvgOptions &options, std::string &message)
{
    const std::string *text = args.find("size");
    if (text == nullptr) {
        return true;
    }
    const std::size_t x = text->find_first_of("xX");
    int width = 0;
    int height = 0;
    if (x == std::string::npos || !readSide(std::string_view(*text).substr(0, x), width)
        || !readSide(std::string_view(*text).substr(x + 1), height)) {
        message = "option '--size' takes WIDTHxHEIGHT in whole pixels from "
            + std::to_string(kMinSide) + " to " + std::to_string(kMaxSide) + ", not '" + *text
            + "'";
        return false;
    }
    options.width = width;
    options.height = height;
    return true;
}

bool readOnOff(const CliArgs &args, std::string_view name, bool &value, std::string &message)
{
    const std::string *text = args.find(name);
    if (text == nullptr) {
        return true;
    }
    if (*text != "on" && *text != "off") {
        message = "option '--" + std::string(name) + "' takes on or off, not '" + *text + "'";
        return false;
    }
    value = *text == "on";
    return true;
}

// "-o OUT" is the short spelling of "--output OUT"; option values pass as they are.
std::vector<std::string> withLongOutput(const std::vector<std::string> &args)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o") {
            out.emplace_back("--output");
            continue;
        }
        out.push_back(args[i]);
        if (args[i].size() > 2 && args[i].compare(0, 2, "--") == 0 && i + 1 < args.size()) {
            out.push_back(args[++i]);
        }
    }
    return out;
}

} // namespace

int runDrawCommand(const std::vector<std::string> &args)
{
    CliArgs cli;
    std::string message;
    if (!parseCliArgs(withLongOutput(args),
            { "output", "dive", "roll", "size", "entry-mode", "gain-dive", "gain-roll",
                "extension-lines" },
            cli, message)) {
        return reportCliError("tarvik-cli draw: " + message);
    }
    Settings settings;
    SvgOptions svg;
    double dive = 0;
    double roll = 0;
    if (!readSolveSettings(cli, settings, message) || !readNumberOption(cli, "dive", dive, message)
        || !readNumberOption(cli, "roll", roll, message) || !readSize(cli, svg, message)
        || !readOnOff(cli, "extension-lines", settings.extensionLines, message)) {
        return reportCliError("tarvik-cli draw: " + message);
    }
    const std::string *output = cli.find("output");
    if (output == nullptr || output->empty()) {
        return reportCliError("tarvik-cli draw: no output file given (-o OUT.svg, or -o - for "
                              "standard output)");
    }
    LayoutState layout;
    if (!loadMovedLayout(cli, dive, roll, layout, message)) {
        return reportCliError(message);
    }
    const EngineOutput out = runEngine(buildEngineInput(layout, settings));

    for (std::string fault : out.faults) {
        // One line each: the message box's paragraph breaks become blanks.
        std::replace(fault.begin(), fault.end(), '\r', ' ');
        std::cerr << "tarvik-cli draw: " << fault << '\n';
    }
    if (out.layoutProblem) {
        std::cerr << "tarvik-cli draw: " << kLayoutProblemStatus << '\n';
    }
    const std::string picture = sceneSvg(out.scene, out.captions, svg);
    if (*output == "-") {
        std::cout << picture;
        std::cout.flush();
        return std::cout ? kExitOk : kExitRefused;
    }
    const WriteResult written = replaceFileContents(*output, picture);
    if (!written.ok) {
        return reportCliError("tarvik-cli draw: " + written.message);
    }
    return kExitOk;
}

} // namespace tarvik::cli
