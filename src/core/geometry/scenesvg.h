// The front view as SVG text, without a toolkit: what `tarvik-cli draw`
// writes and what any caller can save or embed.
//
// The picture's coordinate system (picture units, y up, the scene's corners)
// is scaled to fit width x height pixels with its proportions kept and
// centred, y turned downward as SVG wants it. Every scene item becomes one
// element: a Line one <line>, a Polygon one <polygon>, a Circle one
// <circle>, a FilledBox one <rect>, a Label (the letters A to L) one <text>,
// each with its palette colour, its width grown with the picture as the
// screen painter grows it, its dash style, and its role as the class. Items
// outside the picture are clipped, not dropped. The captions are drawn as
// the main window's normal picture places them: the gain basis at the top,
// the static and moved roll-centre pairs in the upper left corner, the
// camber gains in the lower corners and the layout-problem status above
// them; an empty caption draws nothing.
#pragma once

#include "core/geometry/engine.h"
#include "core/geometry/sceneplacement.h"

#include <string>

namespace tarvik {

struct SvgOptions
{
    int width = 800; // pixels, kept within 16 .. 20000
    int height = 480;
    bool captions = true;
};

std::string sceneSvg(const Scene &scene, const Captions &captions, const SvgOptions &options = {});

// Where sceneSvg puts picture units in its picture: for pointing at what it
// drew (dragging a point).
ScenePlacement sceneSvgPlacement(const Scene &scene, const SvgOptions &options = {});

} // namespace tarvik
