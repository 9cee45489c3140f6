#include "cli/searchstop.h"

namespace tarvik::cli {

const char *stopName(OptimizerStop stop)
{
    switch (stop) {
    case OptimizerStop::Cancelled:
        return "cancelled";
    case OptimizerStop::TimeLimit:
        return "time-limit";
    case OptimizerStop::Finished:
        break;
    }
    return "finished";
}

} // namespace tarvik::cli
