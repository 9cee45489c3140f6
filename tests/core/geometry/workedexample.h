// The worked example layout as entry texts: both sides typed alike, upper
// frame pivot (12, 14), upper ball joint (24, 15), lower frame pivot (10, 6),
// lower ball joint (26, 5), springs from (14, 16) to (18, 6), spring rate
// 500, static camber -.5, hub 2, rim 8 wide with offset 4.
#pragma once

#include "core/geometry/engine.h"

namespace tarvik::test {

inline void setPoint(EngineInput &in, int side, int row, const char *x, const char *y)
{
    in.entries[static_cast<std::size_t>(side * 16 + row)] = x;
    in.entries[static_cast<std::size_t>(side * 16 + 8 + row)] = y;
}

inline EngineInput workedExample()
{
    EngineInput in;
    for (int side = 0; side < 2; ++side) {
        setPoint(in, side, 0, "24", "15");
        setPoint(in, side, 1, "12", "14");
        setPoint(in, side, 2, "26", "5");
        setPoint(in, side, 3, "10", "6");
        setPoint(in, side, 4, "14", "16");
        setPoint(in, side, 5, "18", "6");
        const int other = side == 0 ? 32 : 43;
        in.entries[static_cast<std::size_t>(other + 3)] = "500";
        in.entries[static_cast<std::size_t>(other + 6)] = "-.5";
        in.entries[static_cast<std::size_t>(other + 8)] = "2";
        in.entries[static_cast<std::size_t>(other + 9)] = "8";
        in.entries[static_cast<std::size_t>(other + 10)] = "4";
    }
    return in;
}

} // namespace tarvik::test
