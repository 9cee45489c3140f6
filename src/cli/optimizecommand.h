// `tarvik-cli optimize`: the pick-up point optimizer on a vehicle file.
#pragma once

#include <string>
#include <vector>

namespace tarvik::cli {

int runOptimizeCommand(const std::vector<std::string> &args);

} // namespace tarvik::cli
