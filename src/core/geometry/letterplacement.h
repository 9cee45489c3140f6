// Where the point letters of a front view stand.
//
// Each letter stands on the free side of its point: of eight sides around
// it, the one whose letter box lies furthest from the drawn lines, polygon
// edges and circles (the moved layout's too) and the letters placed before
// it (below right when that is as free as any). Extension and roll lines,
// filled boxes and letters are not obstacles.
#pragma once

#include "core/geometry/scene.h"

namespace tarvik {

// A letter's box as the normal picture shows it, picture units.
inline constexpr double kLetterSize = 5.5;

// Sets the side (toward) of every Label item of the scene, in item order.
void placeLetters(Scene &scene);

} // namespace tarvik
