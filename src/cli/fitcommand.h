// `tarvik-cli fit`: the model fitted to measured camber.
#pragma once

#include <string>
#include <vector>

namespace tarvik::cli {

int runFitCommand(const std::vector<std::string> &args);

} // namespace tarvik::cli
