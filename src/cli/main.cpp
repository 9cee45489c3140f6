// tarvik-cli: the geometry engine without a window, for scripting and checks.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/solvecommand.h"
#include "cli/tablecommand.h"

namespace {

constexpr const char *kUsage = "usage: tarvik-cli solve FILE [--entry-mode xy|arm] [--dive IN] [--roll DEG]\n"
                               "                        [--gain-dive IN --gain-roll DEG]\n"
                               "       tarvik-cli table FILE [--rows dive|roll] [--dive-from T] [--dive-to T]\n"
                               "                        [--dive-inc I] [--roll-from T] [--roll-to T] [--roll-inc I]\n"
                               "                        [--entry-mode xy|arm] [--gain-dive IN --gain-roll DEG]\n"
                               "                        [--format csv|json]\n"
                               "       tarvik-cli --help | --version\n";

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
    std::fprintf(stderr, "tarvik-cli: unknown command '%s'\n%s", args.front().c_str(), kUsage);
    return 2;
}
