// The front-view picture of one engine call as a toolkit-free scene.
//
// Picture units are layout inches times the drawing factor 140/38; the
// ground, its ticks and the white after-printing box are in picture units
// directly. Under dive and roll the static layout is drawn first in gray
// (palette 7, or 8 with the dark-gray option) without extension lines, and
// the moved layout over it in colour.
#pragma once

#include "core/geometry/engine.h"

namespace tarvik {

inline constexpr double kDrawingFactor = 140.0 / 38.0;

// Builds output.scene from the passes already in output.
void buildFrontViewScene(
    const EngineInput &input, const LayoutInputs &inputs, EngineOutput &output);

} // namespace tarvik
