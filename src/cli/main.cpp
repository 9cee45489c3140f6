// tarvik-cli: the geometry engine without a window, for scripting and checks.
#include "cli/drawcommand.h"
#include "cli/fitcommand.h"
#include "cli/optimizecommand.h"
#include "cli/sensitivitycommand.h"
#include "cli/solvecommand.h"
#include "cli/tablecommand.h"
#include "cli/usage.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

int main(int argc, char **argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::fputs(tarvik::cli::fullUsage().c_str(), stderr);
        return 2;
    }
    const std::string_view command = args.front();
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h") {
        std::fputs(tarvik::cli::fullUsage().c_str(), stdout);
        return 0;
    }
    if (const std::string usage = tarvik::cli::commandUsage(command);
        !usage.empty() && tarvik::cli::asksForHelp(rest)) {
        std::fputs(usage.c_str(), stdout);
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
    if (command == "fit") {
        return tarvik::cli::runFitCommand(rest);
    }
    if (command == "sensitivity") {
        return tarvik::cli::runSensitivityCommand(rest);
    }
    if (command == "table") {
        return tarvik::cli::runTableCommand(rest);
    }
    if (command == "draw") {
        return tarvik::cli::runDrawCommand(rest);
    }
    std::fprintf(stderr, "tarvik-cli: unknown command '%s'\n%s", args.front().c_str(),
        tarvik::cli::fullUsage().c_str());
    return 2;
}
