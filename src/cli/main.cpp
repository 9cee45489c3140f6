// tarvik-cli: the geometry engine without a window, for scripting and checks.
#include "cli/drawcommand.h"
#include "cli/optimizecommand.h"
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
      "       tarvik-cli optimize FILE --target NAME=VALUE[:WEIGHT]... --vary COORD=MIN:MAX...\n"
      "                        [--symmetric] [--prefer-small-change W] [--seed N]\n"
      "                        [--time-limit S] [--threads N]\n"
      "       tarvik-cli --help | --version\n"
      "\n"
      "  solve   the solved layout as one JSON object\n"
      "  table   the dive and roll sweep as CSV or JSON; --quantity chooses camber\n"
      "          (degrees, the default) or the moved roll centre's height or lateral\n"
      "          position (inches, positive toward the car's left)\n"
      "  draw    the front view as an SVG picture of WxH pixels (default 800x480);\n"
      "          with --dive or --roll the dive-and-roll pass is drawn over the gray\n"
      "          static layout; -o - writes it to standard output\n";

// What --help adds to the synopsis.
constexpr const char *kOptimizeHelp
    = "\n"
      "optimize moves pick-up point coordinates within their ranges (X as typed, positive\n"
      "on both sides) until the layout meets the targets as closely as it can. Lengths\n"
      "(ranges, targets, DIVE) are in the file's units: inches, or mm on a metric file.\n"
      "  targets:  rc-height (in), rc-migration (in of lateral roll-centre travel per\n"
      "            degree of roll, over -1..+1 deg), camber-gain (deg per 1 in of dive,\n"
      "            also on a metric file; mean of both sides), camber-gain-right,\n"
      "            camber-gain-left,\n"
      "            camber-right@DIVE,ROLL and camber-left@DIVE,ROLL (new camber, deg),\n"
      "            scrub-right, scrub-left (in); WEIGHT defaults to 1\n"
      "  COORD:    right|left . upper_ball_joint|upper_frame_pivot|lower_ball_joint|\n"
      "            lower_frame_pivot|upper_spring_pad|lower_spring_pad . x|y\n"
      "  --symmetric  the other side's box takes the same value\n"
      "  --prefer-small-change W  of the answers that meet the targets equally, take\n"
      "               the one that moves the boxes least (weight W, default 1; 0 off)\n"
      "  --seed N     same seed, same answer (default 1)\n"
      "  --time-limit S  stop with the best so far after S seconds (default 60)\n"
      "  --threads N  worker threads, 0 = every core (default)\n"
      "prints JSON: entries, texts, targets (target, achieved, weight), error,\n"
      "movement (total: the summed change of the boxes; in_ranges: the distance moved\n"
      "in units of each range), layout_problem, evaluations (engine calls), stopped, seed.\n";

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
        std::fputs(kOptimizeHelp, stdout);
        return 0;
    }
    if (command == "--version") {
        std::puts("tarvik-cli 1.0.0");
        return 0;
    }
    if (command == "solve") {
        return tarvik::cli::runSolveCommand(rest);
    }
    if (command == "optimize") {
        return tarvik::cli::runOptimizeCommand(rest);
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
