// How the searching commands (optimize, fit) name the way a search ended.
#pragma once

#include "core/design/pickupoptimizer.h"

namespace tarvik::cli {

// "finished", "cancelled" or "time-limit", as the JSON's "stopped" says.
const char *stopName(OptimizerStop stop);

} // namespace tarvik::cli
