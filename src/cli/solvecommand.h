// `tarvik-cli solve`: one engine call on a vehicle file, printed as JSON.
#pragma once

#include <string>
#include <vector>

namespace tarvik::cli {

int runSolveCommand(const std::vector<std::string> &args);

} // namespace tarvik::cli
