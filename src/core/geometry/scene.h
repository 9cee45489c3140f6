// The front-view scene: a toolkit-free list of what to draw, in picture
// units (layout coordinates already multiplied by the drawing factor), each
// element with its palette colour, width and dash style. The GUI paints it
// with QPainter; tests inspect it directly.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

struct ScenePoint
{
    double x = 0;
    double y = 0;
};

// The points of one scene element, held inside the element: a scene is
// rebuilt on every redraw, and a heap block per element used to cost more
// than solving the layout. Reads like a small std::vector (size, [], range
// for); it is filled by assigning a braced list, whose length is checked
// against the capacity when the program is compiled.
class ScenePoints
{
public:
    static constexpr std::size_t kCapacity = 8; // the rim section is the largest element

    ScenePoints() = default;
    template <std::size_t N> ScenePoints &operator=(const ScenePoint (&points)[N])
    {
        static_assert(N <= kCapacity, "a scene element holds at most kCapacity points");
        for (std::size_t i = 0; i < N; ++i) {
            m_points[i] = points[i];
        }
        m_size = N;
        return *this;
    }

    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    const ScenePoint &operator[](std::size_t i) const { return m_points[i]; }
    ScenePoint &operator[](std::size_t i) { return m_points[i]; }
    const ScenePoint *begin() const { return m_points.data(); }
    const ScenePoint *end() const { return m_points.data() + m_size; }
    ScenePoint *begin() { return m_points.data(); }
    ScenePoint *end() { return m_points.data() + m_size; }
    const ScenePoint &front() const { return m_points[0]; }
    const ScenePoint &back() const { return m_points[m_size - 1]; }

private:
    std::array<ScenePoint, kCapacity> m_points {};
    std::size_t m_size = 0;
};

enum class DashStyle { Solid, Dash, Dot, DashDot };

struct SceneItem
{
    enum class Kind { Line, Polygon, Circle, FilledBox, Label };
    Kind kind = Kind::Line;
    // Line: 2; Polygon: n (closed); Circle: centre; FilledBox: 2 corners; Label:
    // the point it names.
    ScenePoints points;
    double radius = 0; // Circle; Label: the radius of its point's marker
    std::string text; // Label
    // Label: the side of its point the letter stands on, a unit vector (y up).
    ScenePoint toward { 1, 0 };
    int color = 0; // index into the 16-colour palette
    int width = 1;
    DashStyle dash = DashStyle::Solid;
    // What the element is ("ground", "upper-arm", "extension", "letter", ...):
    // always a name with static storage, so an element costs no copy of it.
    std::string_view role;
    int pass = 0; // 0 the static layout, 1 the layout moved by dive and roll
};

struct Scene
{
    double logicalWidth = 300;
    double logicalHeight = 150;
    // Picture corners in picture units; y grows upward.
    double left = -150, right = 150, top = 135, bottom = -39.5454;
    // The box around the car itself (wheels, linkage, chassis, springs and
    // the ground under them), within the picture corners: what an enlarged
    // view zooms to. Extension lines reach far beyond it and are left out.
    ScenePoint carMin { -150, -2 }, carMax { 150, 135 };
    std::vector<SceneItem> items;
};

// Palette colours 0..15 as RGB, the classic 16-colour set.
unsigned paletteRgb(int index);

// From a label's point to the centre of its letter's box of width x height,
// all in one unit (y up): the box stands on the label's side of the point,
// clear of a marker of radius `marker` by a fifth of the box's height.
ScenePoint labelOffset(const ScenePoint &toward, double marker, double width, double height);

} // namespace tarvik
