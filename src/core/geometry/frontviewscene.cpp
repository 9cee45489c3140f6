// The front view as a scene (see frontviewscene.h).
//
// Colour groups: the linkage (arms, knuckle or strut, chassis, pick-up
// circles) is drawn in palette 1, the construction (extension lines, roll
// centre) in 4, the wheels, springs, ground and letters in 0; the static
// layout under dive and roll uses the gray for all three. Widths are in
// pixels; everything else is in picture units.
#include "core/geometry/frontviewscene.h"

#include "core/geometry/letterplacement.h"
#include "core/geometry/primitives.h"
#include "core/layout/units.h"
#include "core/text/numberreading.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace tarvik {

namespace {

constexpr int kLinkageColor = 1;
constexpr int kConstructionColor = 4;
constexpr int kPlainColor = 0;
constexpr int kWhite = 15;

// Every tyre is drawn this tall (inches), whatever the car.
constexpr double kTyreHeight = 80.0 / kHalfTurn;
// Steps of the rim profile (inches): flange height, bead seat, well depth
// and the drop from the tyre's centre to the flange top.
constexpr double kRimStep1 = 1.0;
constexpr double kRimStep2 = 2.5;
constexpr double kRimStep3 = 3.0;
constexpr double kRimStep5 = 5.0;
constexpr double kPickupRadius = 0.4; // inches
constexpr int kSpringCoils = 6;
constexpr double kSpringHalfWidth = 1.2; // inches

class SceneBuilder
{
public:
    SceneBuilder(Scene &scene, int pass)
        : m_scene(scene)
        , m_pass(pass)
    {
    }

    static ScenePoint at(const LayoutPoint &p)
    {
        return { p.x * kDrawingFactor, p.y * kDrawingFactor };
    }
    static ScenePoint at(double x, double y) { return { x * kDrawingFactor, y * kDrawingFactor }; }

    SceneItem &add(SceneItem::Kind kind, const char *role, int color, int width = 1,
        DashStyle dash = DashStyle::Solid)
    {
        SceneItem &item = m_scene.items.emplace_back();
        item.kind = kind;
        item.role = role;
        item.color = color;
        item.width = width;
        item.dash = dash;
        item.pass = m_pass;
        return item;
    }
    void line(ScenePoint a, ScenePoint b, const char *role, int color, int width = 1,
        DashStyle dash = DashStyle::Solid)
    {
        add(SceneItem::Kind::Line, role, color, width, dash).points = { a, b };
    }
    void circle(ScenePoint centre, double radius, const char *role, int color)
    {
        SceneItem &item = add(SceneItem::Kind::Circle, role, color);
        item.points = { centre };
        item.radius = radius;
    }

private:
    Scene &m_scene;
    int m_pass;
};

struct Colors
{
    int linkage, construction, plain;
};

// Tyre and rim, standing on the contact point and leaning by the camber:
// positive camber leans the top outboard (+x on the left side).
void addWheel(SceneBuilder &b, const SideSolution &d, int side, double rimWidth, int color)
{
    const double outward = side == kSideLeft ? 1.0 : -1.0;
    const double lean = outward * kTyreHeight * std::tan(d.camber / kDegPerRad);
    const double cx = d.contactPoint.x;
    // A point across the wheel (u, outboard positive) at height v.
    const auto wheel = [&](double u, double v) {
        return SceneBuilder::at(cx + outward * u + lean * v / kTyreHeight, v);
    };
    const double half = rimWidth / 2 + kRimStep1;
    SceneItem &tyre = b.add(SceneItem::Kind::Polygon, "tyre", color, 2);
    tyre.points
        = { wheel(-half, 0), wheel(half, 0), wheel(half, kTyreHeight), wheel(-half, kTyreHeight) };

    // Rim section: flanges at the rim width, bead seats, and the drop well.
    const double r = rimWidth / 2;
    const double mid = kTyreHeight / 2;
    for (const double dir : { 1.0, -1.0 }) {
        SceneItem &rim = b.add(SceneItem::Kind::Polygon, "rim", color);
        const double flange = mid + dir * kRimStep5;
        const double seat = mid + dir * (kRimStep5 - kRimStep1);
        const double well = mid + dir * (kRimStep5 - kRimStep3);
        rim.points = { wheel(-r, flange), wheel(-r, seat), wheel(-r + kRimStep2, seat),
            wheel(-r + kRimStep2, well), wheel(r - kRimStep2, well), wheel(r - kRimStep2, seat),
            wheel(r, seat), wheel(r, flange) };
    }
}

void addSpring(SceneBuilder &b, const LayoutPoint &top, const LayoutPoint &bottom, int color)
{
    const double dx = double(top.x) - double(bottom.x);
    const double dy = double(top.y) - double(bottom.y);
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length == 0) {
        return;
    }
    // Zig-zag across the spring axis.
    const double nx = -dy / length * kSpringHalfWidth;
    const double ny = dx / length * kSpringHalfWidth;
    const int steps = 2 * kSpringCoils;
    ScenePoint last = SceneBuilder::at(bottom);
    for (int i = 1; i <= steps; ++i) {
        const double t = double(i) / (steps + 1);
        const double side = (i % 2 == 1) ? 1.0 : -1.0;
        const ScenePoint next
            = SceneBuilder::at(bottom.x + t * dx + side * nx, bottom.y + t * dy + side * ny);
        b.line(last, next, "spring", color);
        last = next;
    }
    b.line(last, SceneBuilder::at(top), "spring", color);
}

void addPass(const EngineInput &input, const LayoutInputs &inputs, const PassSolution &pass,
    int passIndex, const Colors &c, bool extension, Scene &scene)
{
    SceneBuilder b(scene, passIndex);
    const bool strut = input.suspensionType == SuspensionType::Strut;

    // Ground and reference ticks, in picture units.
    SceneItem &ground = b.add(SceneItem::Kind::FilledBox, "ground", c.plain);
    ground.points = { { scene.left, 0 }, { scene.right, -2 } };
    b.line({ 10, 0 }, { -10, 0 }, "ground-tick", c.plain);
    b.line({ 0, 8 }, { 0, 0 }, "center-tick", c.plain);

    for (int s = 0; s < 2; ++s) {
        const SideSolution &d = pass.side[s];
        // The rim is drawn at its physical size: a metric width in inches.
        const double rimWidth = std::fabs(inputs.side[static_cast<std::size_t>(s)].rimWidth);
        addWheel(b, d, s, std::isfinite(rimWidth) && rimWidth < 1e4 ? rimWidth : 0.0, c.plain);
        if (!strut) {
            b.line(b.at(d.upperFramePivot), b.at(d.upperBallJoint), "upper-arm", c.linkage, 2);
        }
        b.line(b.at(d.lowerFramePivot), b.at(d.lowerBallJoint), "lower-arm", c.linkage, 2);
        b.line(b.at(d.lowerBallJoint), b.at(d.upperBallJoint), strut ? "strut" : "knuckle",
            c.linkage, 2);
    }
    SceneItem &chassis = b.add(SceneItem::Kind::Polygon, "chassis", c.linkage, 2);
    chassis.points = { b.at(pass.chassis[0]), b.at(pass.chassis[1]), b.at(pass.chassis[2]),
        b.at(pass.chassis[3]) };

    const double radius = kPickupRadius * kDrawingFactor;
    for (const SideSolution &d : pass.side) {
        for (const LayoutPoint *p : { &d.upperBallJoint, &d.upperFramePivot, &d.lowerBallJoint,
                 &d.lowerFramePivot, &d.upperSpringPad, &d.lowerSpringPad }) {
            b.circle(b.at(*p), radius, "pickup", c.linkage);
        }
        addSpring(b, d.upperSpringPad, d.lowerSpringPad, c.plain);
    }

    if (extension) {
        for (const SideSolution &d : pass.side) {
            const ScenePoint ic = b.at(d.instantCenter);
            b.line(b.at(strut ? d.upperBallJoint : d.upperFramePivot), ic, "extension",
                c.construction, 1, DashStyle::Dot);
            b.line(b.at(d.lowerFramePivot), ic, "extension", c.construction, 1, DashStyle::Dot);
            b.line(b.at(d.contactPoint), ic, "extension", c.construction, 1, DashStyle::Dot);
        }
        const ScenePoint rc = b.at(pass.rollCenter);
        for (const SideSolution &d : pass.side) {
            b.line(b.at(d.contactPoint), rc, "roll-line", c.construction);
        }
        b.circle(rc, radius * 1.5, "roll-center", c.construction);
    }
}

void addLetters(const PassSolution &pass, int color, Scene &scene)
{
    // A to F on the car's right side, G to L on its left, in row order.
    SceneBuilder b(scene, 0);
    char letter = 'A';
    for (const int s : { kSideRight, kSideLeft }) {
        const SideSolution &d = pass.side[s];
        for (const LayoutPoint *p : { &d.upperBallJoint, &d.upperFramePivot, &d.lowerBallJoint,
                 &d.lowerFramePivot, &d.upperSpringPad, &d.lowerSpringPad }) {
            SceneItem &label = b.add(SceneItem::Kind::Label, "letter", color);
            label.points = { b.at(*p) };
            label.radius = kPickupRadius * kDrawingFactor;
            label.text = std::string(1, letter++);
        }
    }
}

void findCarBox(Scene &scene)
{
    // The ground under the car is part of it; the picture's margins are not.
    ScenePoint low { scene.right, -2 };
    ScenePoint high { scene.left, 0 };
    for (const SceneItem &item : scene.items) {
        const std::string_view role = item.role;
        if (role == "ground" || role == "ground-tick" || role == "center-tick"
            || role == "extension" || role == "roll-line" || role == "white-box") {
            continue;
        }
        for (const ScenePoint &p : item.points) {
            if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
                continue;
            }
            low = { std::min(low.x, p.x), std::min(low.y, p.y) };
            high = { std::max(high.x, p.x), std::max(high.y, p.y) };
        }
    }
    if (high.x < low.x) {
        low.x = scene.left;
        high.x = scene.right;
    }
    scene.carMin = { std::clamp(low.x, scene.left, scene.right),
        std::clamp(low.y, scene.bottom, scene.top) };
    scene.carMax = { std::clamp(high.x, scene.carMin.x, scene.right),
        std::clamp(high.y, scene.carMin.y, scene.top) };
}

} // namespace

void buildFrontViewScene(const EngineInput &input, const LayoutInputs &inputs, EngineOutput &output)
{
    Scene &scene = output.scene;
    scene.items.clear();
    scene.items.reserve(160);
    const bool strut = input.suspensionType == SuspensionType::Strut;
    scene.logicalWidth = strut ? 340 : 300;
    scene.logicalHeight = strut ? 170 : 150;
    scene.left = -scene.logicalWidth / 2;
    scene.right = scene.logicalWidth / 2;
    scene.top = scene.logicalHeight / 1.25 + 15;
    scene.bottom = -scene.logicalHeight / 2.75 + 15;

    if (input.draw.afterPrinting) {
        // Once a report has been printed the picture gets a white ground.
        SceneBuilder b(scene, 0);
        SceneItem &white = b.add(SceneItem::Kind::FilledBox, "white-box", kWhite);
        white.points = { { scene.left, 200 }, { scene.right, -100 } };
    }

    const bool moved = output.movedPass.has_value();
    const int gray = input.draw.darkGrayBackground ? 8 : 7;
    const Colors staticColors = moved ? Colors { gray, gray, gray }
                                      : Colors { kLinkageColor, kConstructionColor, kPlainColor };
    const Colors movedColors { kLinkageColor, kConstructionColor, kPlainColor };

    addLetters(output.staticPass, staticColors.plain, scene);
    // No extension lines on the gray static background.
    addPass(input, inputs, output.staticPass, 0, staticColors, input.draw.extensionLines && !moved,
        scene);
    if (moved) {
        addPass(input, inputs, *output.movedPass, 1, movedColors, input.draw.extensionLines, scene);
    }
    placeLetters(scene);
    findCarBox(scene);
}

} // namespace tarvik
