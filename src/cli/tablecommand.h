// `tarvik-cli table`: the camber-table sweep of a vehicle file, as CSV or JSON.
#pragma once

#include <string>
#include <vector>

namespace tarvik::cli {

int runTableCommand(const std::vector<std::string> &args);

} // namespace tarvik::cli
