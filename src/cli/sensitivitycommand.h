// `tarvik-cli sensitivity`: how much each result changes per unit of each
// pick-up point coordinate.
#pragma once

#include <string>
#include <vector>

namespace tarvik::cli {

int runSensitivityCommand(const std::vector<std::string> &args);

} // namespace tarvik::cli
