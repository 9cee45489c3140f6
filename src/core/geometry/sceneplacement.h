// Where the front view goes in a drawing area: one rule for the main
// window's picture, its printed report, exported pictures and `tarvik-cli
// draw`.
//
// The car itself (Scene::carMin .. carMax: wheels, linkage, chassis,
// springs, the ground under them and the roll centres) fills the band
// between the caption rows, its proportions kept and centred in the band;
// what lies beyond it (extension lines, the rest of the ground) is drawn as
// far as the area reaches. The captions sit 6 units in from the sides and 4
// from the top and bottom. Normal: three rows above the band (the gain basis
// and the roll-centre pair) and one below (the camber gains). Big: one row
// above and one below, each with a little room.
#pragma once

#include "core/geometry/scene.h"

namespace tarvik {

// A drawing area in device units, y growing downward.
struct SceneArea
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// From picture units (y up) to device units (y down).
struct ScenePlacement
{
    double scale = 1; // device units per picture unit
    double originX = 0; // where picture x = 0 lands
    double originY = 0; // where picture y = 0 lands

    double deviceX(double x) const { return originX + x * scale; }
    double deviceY(double y) const { return originY - y * scale; }
};

// The caption margins inside the area (device units).
inline constexpr double kCaptionInsetX = 6;
inline constexpr double kCaptionInsetY = 4;

// lineHeight: the caption font's line spacing in device units.
ScenePlacement placeFrontView(
    const Scene &scene, const SceneArea &area, double lineHeight, bool big);

} // namespace tarvik
