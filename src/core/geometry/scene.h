// The front-view scene: a toolkit-free list of what to draw, in picture
// units (layout coordinates already multiplied by the drawing factor), each
// element with its palette colour, width and dash style. The GUI paints it
// with QPainter; tests inspect it directly.
#pragma once

#include <string>
#include <vector>

namespace tarvik {

struct ScenePoint
{
    double x = 0;
    double y = 0;
};

enum class DashStyle { Solid, Dash, Dot, DashDot };

struct SceneItem
{
    enum class Kind { Line, Polygon, Circle, FilledBox, Label };
    Kind kind = Kind::Line;
    std::vector<ScenePoint> points; // Line: 2; Polygon: n (closed); Circle: centre; FilledBox: 2 corners; Label: anchor
    double radius = 0; // Circle
    std::string text; // Label
    int color = 0; // index into the 16-colour palette
    int width = 1;
    DashStyle dash = DashStyle::Solid;
    std::string role; // what the element is ("ground", "upper-arm", "extension", "letter", ...)
    int pass = 0; // 0 the static layout, 1 the layout moved by dive and roll
};

struct Scene
{
    double logicalWidth = 300;
    double logicalHeight = 150;
    // Picture corners in picture units; y grows upward.
    double left = -150, right = 150, top = 135, bottom = -39.5454;
    std::vector<SceneItem> items;
};

// Palette colours 0..15 as RGB, the classic 16-colour set.
unsigned paletteRgb(int index);

} // namespace tarvik
