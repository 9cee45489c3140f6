// `tarvik-cli draw`: the front view of a vehicle file as an SVG picture.
#pragma once

#include <string>
#include <vector>

namespace tarvik::cli {

int runDrawCommand(const std::vector<std::string> &args);

} // namespace tarvik::cli
