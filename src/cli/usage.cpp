// The usage texts of tarvik-cli (see usage.h).
#include "cli/usage.h"

namespace tarvik::cli {

namespace {

constexpr std::string_view kSolveSynopsis
    = "usage: tarvik-cli solve FILE [--entry-mode xy|arm] [--dive IN] [--roll DEG]\n"
      "                        [--gain-dive IN --gain-roll DEG]\n";
constexpr std::string_view kTableSynopsis
    = "usage: tarvik-cli table FILE [--rows dive|roll] [--dive-from T] [--dive-to T]\n"
      "                        [--dive-inc I] [--roll-from T] [--roll-to T] [--roll-inc I]\n"
      "                        [--entry-mode xy|arm] [--gain-dive IN --gain-roll DEG]\n"
      "                        [--quantity camber|rc-height|rc-lateral] [--format csv|json]\n";
constexpr std::string_view kDrawSynopsis
    = "usage: tarvik-cli draw FILE [--dive IN] [--roll DEG] [--size WxH] -o OUT.svg\n"
      "                        [--entry-mode xy|arm] [--gain-dive IN --gain-roll DEG]\n"
      "                        [--extension-lines on|off]\n";
constexpr std::string_view kOptimizeSynopsis
    = "usage: tarvik-cli optimize FILE --target NAME=VALUE[:WEIGHT]... --vary COORD=MIN:MAX...\n"
      "                        [--symmetric] [--prefer-small-change W] [--seed N]\n"
      "                        [--time-limit S] [--threads N]\n";
constexpr std::string_view kFitSynopsis
    = "usage: tarvik-cli fit FILE --measured M.csv --vary COORD=TOL... [--seed N]\n"
      "                        [--time-limit S] [--threads N]\n";
constexpr std::string_view kSensitivitySynopsis
    = "usage: tarvik-cli sensitivity FILE [--dive D --roll R] [--entry-mode xy|arm]\n"
      "                        [--format json|csv]\n";

constexpr std::string_view kCommonOptions
    = "  --entry-mode xy|arm  arms from X and Height (default) or from length and angle\n"
      "  --gain-dive IN --gain-roll DEG  the dive and roll the camber gain is measured\n"
      "                       over (default 1 in of dive, no roll)\n";

constexpr std::string_view kSolveHelp
    = "\nThe solved layout as one JSON object: points, angles, roll centre, track and the\n"
      "captions the main window shows. With --dive or --roll (a missing one is 0) the\n"
      "dive-and-roll pass runs too and \"moved\" holds its results.\n";
constexpr std::string_view kTableHelp
    = "\nThe dive and roll sweep of the Camber Table as CSV (right grid, empty line, left\n"
      "grid) or JSON, cells as the window shows them.\n"
      "  --rows dive|roll     what the rows are (default dive)\n"
      "  --dive-from T --dive-to T  dive range, in (default -2 to 2)\n"
      "  --dive-inc I         dive step index: 0=2, 1=1 (default), 2=.5, 3=.25 in\n"
      "  --roll-from T --roll-to T  roll range, deg (default -4 to 4)\n"
      "  --roll-inc I         roll step index: 0=4, 1=2 (default), 2=1, 3=.5, 4=.25 deg\n"
      "  --quantity camber|rc-height|rc-lateral  camber in degrees (default), or the\n"
      "                       moved roll centre's height or lateral position (in,\n"
      "                       positive toward the car's left)\n"
      "  --format csv|json    (default csv)\n"
      "At most 10 rows by 11 columns.\n";
constexpr std::string_view kDrawHelp
    = "\nThe front view as an SVG picture; with --dive or --roll the dive-and-roll pass is\n"
      "drawn over the gray static layout.\n"
      "  --size WxH           picture size in pixels, 16 to 20000 each (default 800x480)\n"
      "  -o OUT.svg           the file to write; -o - writes to standard output\n"
      "  --extension-lines on|off  lines to the instant centres (default off)\n";
constexpr std::string_view kOptimizeHelp
    = "\nMoves pick-up point coordinates within their ranges (X as typed, positive\n"
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
      "prints JSON: entries, texts, targets by the names given (target, achieved,\n"
      "weight, reached: within 0.01), error, movement (total: the summed change of the\n"
      "boxes; in_ranges: the distance moved in units of each range), layout_problem,\n"
      "evaluations (engine calls), stopped, seed.\n";
constexpr std::string_view kFitHelp
    = "\nMoves the coordinates you are unsure of, each within TOL of its typed value (or\n"
      "within MIN:MAX, as COORD=MIN:MAX), until the model's camber at the measured dive\n"
      "and roll positions comes closest to the readings (least root-mean-square).\n"
      "  --measured M.csv  the readings: header dive,roll,camber_right,camber_left; a\n"
      "               blank camber is not measured; dive in the file's length unit\n"
      "  COORD:    as for optimize (right|left . POINT . x|y)\n"
      "  --seed N, --time-limit S (default 60), --threads N  as for optimize\n"
      "prints JSON: residual_before, residual_after (RMS, deg), entries (new values),\n"
      "moved (the change of each), at_tolerance (names that ended at the edge of\n"
      "their range), points (each row: measured, before, after per side),\n"
      "layout_problem, evaluations, stopped, seed.\n";
constexpr std::string_view kSensitivityHelp
    = "\nHow much each result changes per inch (per mm on a metric file) of each\n"
      "pick-up point coordinate, largest effects first: rc-height, rc-migration,\n"
      "camber-gain-right, camber-gain-left, scrub-right, scrub-left and, with --dive\n"
      "and --roll, camber-right@D,R and camber-left@D,R.\n"
      "  --format json|csv    (default json)\n";

constexpr std::string_view kSummary
    = "       tarvik-cli COMMAND --help | tarvik-cli --help | --version\n"
      "\n"
      "  solve     the solved layout as one JSON object\n"
      "  table     the dive and roll sweep as CSV or JSON; --quantity chooses camber\n"
      "            (degrees, the default) or the moved roll centre's height or lateral\n"
      "            position (inches, positive toward the car's left)\n"
      "  draw      the front view as an SVG picture of WxH pixels (default 800x480);\n"
      "            with --dive or --roll the dive-and-roll pass is drawn over the gray\n"
      "            static layout; -o - writes it to standard output\n"
      "  optimize  the pick-up point moves that come closest to the results asked for\n"
      "  fit       the coordinates moved within their tolerances to match measured camber\n"
      "  sensitivity  each result's change per unit of each pick-up point coordinate\n";

// The synopsis lines after the first start "       tarvik-cli" in the full text.
std::string continued(std::string_view synopsis)
{
    std::string text(synopsis);
    text.replace(0, 6, "      ");
    return text;
}

} // namespace

std::string fullUsage()
{
    return std::string(kSolveSynopsis) + continued(kTableSynopsis) + continued(kDrawSynopsis)
        + continued(kOptimizeSynopsis) + continued(kFitSynopsis) + continued(kSensitivitySynopsis)
        + std::string(kSummary);
}

std::string commandUsage(std::string_view command)
{
    if (command == "solve") {
        return std::string(kSolveSynopsis) + std::string(kSolveHelp) + std::string(kCommonOptions);
    }
    if (command == "table") {
        return std::string(kTableSynopsis) + std::string(kTableHelp) + std::string(kCommonOptions);
    }
    if (command == "draw") {
        return std::string(kDrawSynopsis) + std::string(kDrawHelp) + std::string(kCommonOptions);
    }
    if (command == "optimize") {
        return std::string(kOptimizeSynopsis) + std::string(kOptimizeHelp);
    }
    if (command == "fit") {
        return std::string(kFitSynopsis) + std::string(kFitHelp);
    }
    if (command == "sensitivity") {
        return std::string(kSensitivitySynopsis) + std::string(kSensitivityHelp);
    }
    return {};
}

bool asksForHelp(const std::vector<std::string> &args)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--help" || arg == "-h") {
            return true;
        }
        // Every other option but --symmetric takes the next argument as its value.
        const bool takesValue = arg == "-o" || (arg.size() > 2 && arg.starts_with("--"));
        if (takesValue && arg != "--symmetric") {
            ++i;
        }
    }
    return false;
}

} // namespace tarvik::cli
