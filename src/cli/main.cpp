// tarvik-cli: the geometry engine without a window, for scripting and checks.
#include "cli/drawcommand.h"
#include "cli/solvecommand.h"
#include "cli/tablecommand.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char *kUsage
    = "usage: tarvik-cli solve FILE [--entry-mode xy|arm] [--dive IN] [--roll DEG]\n"
      "                        [--gain-dive IN --gain-roll DEG]\n"
      "       tarvik-cli table FILE [--rows dive|roll] [--dive-from T] [--dive-to T]\n"
      "                        [--dive-inc I] [--roll-from T] [--roll-to T] [--roll-inc I]\n"
      "                        [--entry-mode xy|arm] [--gain-dive IN --gain-roll DEG]\n"
      "                        [--quantity camber|rc-height|rc-lateral] [--format csv|json]\n"
      "       tarvik-cli draw FILE [--dive IN] [--roll DEG] [--size WxH] -o OUT.svg\n"
      "                        [--entry-mode xy|arm] [--gain-dive IN --gain-roll DEG]\n"
      "                        [--extension-lines on|off]\n"
      "       tarvik-cli --help | --version\n"
      "\n"
      "  solve   the solved layout as one JSON object\n"
      "  table   the dive and roll sweep as CSV or JSON; --quantity chooses camber\n"
      "          (degrees, the default) or the moved roll centre's height or lateral\n"
      "          position (inches, positive toward the car's left)\n"
      "  draw    the front view as an SVG picture of WxH pixels (default 800x480);\n"
      "          with --dive or --roll the dive-and-roll pass is drawn over the gray\n"
      "          static layout; -o - writes it to standard output\n";

} // namespace

int main(int argc, char **argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string_view command = args.front();
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "--version") {
        std::puts("tarvik-cli 1.0.0");
        return 0;
    }
    if (command == "solve") {
        return tarvik::cli::runSolveCommand(rest);
    }
    if (command == "table") {
        return tarvik::cli::runTableCommand(rest);
    }
    if (command == "draw") {
        return tarvik::cli::runDrawCommand(rest);
    }
    std::fprintf(stderr, "tarvik-cli: unknown command '%s'\n%s", args.front().c_str(), kUsage);
    return 2;
}
