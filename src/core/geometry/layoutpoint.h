// A layout point: single-precision (x, y) in input units. y is the height
// above the ground, x the distance from the centreline, positive toward the
// car's left side (drawn on the screen's right).
#pragma once

namespace tarvik {

struct LayoutPoint
{
    float x = 0;
    float y = 0;
};

} // namespace tarvik
