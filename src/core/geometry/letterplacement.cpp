// Where the point letters of a front view stand (see letterplacement.h).
#include "core/geometry/letterplacement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <string_view>
#include <vector>

namespace tarvik {

namespace {

// A side this much freer (picture units) than the one before it in the
// order of preference is taken instead.
constexpr double kFreerBy = 0.25;

// The length of (x, y). The picture's coordinates are small, so the plain
// root needs none of hypot's care against overflow, and is much quicker.
double length(double x, double y)
{
    return std::sqrt(x * x + y * y);
}

double segmentDistance(const ScenePoint &p, const ScenePoint &a, const ScenePoint &b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    const double t
        = length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
    return length(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// What a letter must keep clear of: the drawn lines, polygon edges and
// circles, gathered once with their bounding boxes.
struct Obstacle
{
    ScenePoint a, b; // a segment's ends; a circle's centre in a
    bool circle = false;
    double radius = 0; // of a circle
    double left = 0, right = 0, bottom = 0, top = 0; // the box around it
};

// The squared distance from p to a box (0 inside it).
double boxDistance2(double left, double right, double bottom, double top, const ScenePoint &p)
{
    const double dx = std::max(std::max(left - p.x, p.x - right), 0.0);
    const double dy = std::max(std::max(bottom - p.y, p.y - top), 0.0);
    return dx * dx + dy * dy;
}

// The obstacles of one scene element, with the box around them all.
struct ObstacleGroup
{
    std::size_t begin = 0, end = 0;
    double left = INFINITY, right = -INFINITY, bottom = INFINITY, top = -INFINITY;
};

struct Obstacles
{
    std::vector<Obstacle> items;
    std::vector<ObstacleGroup> groups;
};

Obstacles obstaclesOf(const Scene &scene)
{
    Obstacles out;
    out.items.reserve(4 * scene.items.size());
    out.groups.reserve(scene.items.size());
    std::string_view groupRole;
    const auto add = [&out](const Obstacle &o) {
        out.items.push_back(o);
        ObstacleGroup &g = out.groups.back();
        g.left = std::min(g.left, o.left);
        g.right = std::max(g.right, o.right);
        g.bottom = std::min(g.bottom, o.bottom);
        g.top = std::max(g.top, o.top);
    };
    const auto segment = [&add](const ScenePoint &a, const ScenePoint &b) {
        add({ a, b, false, 0, std::min(a.x, b.x), std::max(a.x, b.x), std::min(a.y, b.y),
            std::max(a.y, b.y) });
    };
    for (const SceneItem &item : scene.items) {
        const std::string_view role = item.role;
        if (item.kind == SceneItem::Kind::Label || item.kind == SceneItem::Kind::FilledBox
            || role == "extension" || role == "roll-line") {
            continue;
        }
        // A run of elements of one role (the coils of a spring) is one group.
        if (out.groups.empty() || role != groupRole
            || out.items.size() - out.groups.back().begin > 16) {
            out.groups.push_back({ out.items.size(), out.items.size() });
            groupRole = role;
        }
        const ScenePoints &q = item.points;
        switch (item.kind) {
        case SceneItem::Kind::Line:
        case SceneItem::Kind::Polygon:
            for (std::size_t i = 0; i + 1 < q.size(); ++i) {
                segment(q[i], q[i + 1]);
            }
            if (item.kind == SceneItem::Kind::Polygon && q.size() > 2) {
                segment(q.back(), q.front());
            }
            break;
        case SceneItem::Kind::Circle:
            if (!q.empty()) {
                const double r = std::fabs(item.radius);
                add({ q[0], q[0], true, item.radius, q[0].x - r, q[0].x + r, q[0].y - r,
                    q[0].y + r });
            }
            break;
        case SceneItem::Kind::Label:
        case SceneItem::Kind::FilledBox:
            break;
        }
        out.groups.back().end = out.items.size();
    }
    return out;
}

double distanceTo(const Obstacle &o, const ScenePoint &p)
{
    if (!o.circle) {
        return segmentDistance(p, o.a, o.b);
    }
    return std::fabs(length(p.x - o.a.x, p.y - o.a.y) - o.radius);
}

// Whether p lies within reach of the box (inside it counts): anything in
// the box further from p than reach is then further than the box too. A
// circle's distance is taken from its ring, which lies in its box.
bool boxWithin(const Obstacle &o, const ScenePoint &p, double reach)
{
    return boxDistance2(o.left, o.right, o.bottom, o.top, p) <= reach * reach;
}

// An obstacle as one letter sees it: reach is no more than the distance
// from the letter's point to the obstacle's box.
struct Candidate
{
    double reach = 0;
    const Obstacle *obstacle = nullptr;
};

// A letter placed: its point and the offset of its box's centre.
struct PlacedLetter
{
    ScenePoint at, off;
};

// How far p, offLength from the letter's point, lies from the letters
// placed so far and the candidates, which are in order of reach. Returns
// as soon as the nearest found is no further than cutoff: the caller then
// rejects the side whatever the rest would give. Otherwise the answer is the
// nearest of all: a candidate is skipped only when its box is clearly
// further from p than the nearest so far (its reach less offLength is no
// more than that distance), and with it every later one.
double clearance(std::span<const Candidate> candidates, std::span<const PlacedLetter> letters,
    const ScenePoint &p, double offLength, double cutoff)
{
    double nearest = INFINITY;
    for (const PlacedLetter &l : letters) {
        nearest = std::min(
            nearest, length(p.x - l.at.x - l.off.x, p.y - l.at.y - l.off.y) - kLetterSize / 2);
    }
    if (nearest <= cutoff) {
        return nearest;
    }
    for (const Candidate &c : candidates) {
        if (nearest != INFINITY) {
            const double within = nearest * (1 + 1e-9) + 1e-9;
            if (c.reach - offLength - 1e-9 > within) {
                break;
            }
            if (!boxWithin(*c.obstacle, p, within)) {
                continue;
            }
        }
        nearest = std::min(nearest, distanceTo(*c.obstacle, p));
        if (nearest <= cutoff) {
            return nearest;
        }
    }
    return nearest;
}

} // namespace

void placeLetters(Scene &scene)
{
    // Below right first (where the letters always stood), then round about.
    static constexpr double kDiagonal = 0.70710678118654752;
    static constexpr std::array<ScenePoint, 8> kSides
        = { { { kDiagonal, -kDiagonal }, { 1, 0 }, { 0, -1 }, { -kDiagonal, -kDiagonal }, { -1, 0 },
            { kDiagonal, kDiagonal }, { 0, 1 }, { -kDiagonal, kDiagonal } } };
    // Only what lies near a letter can be what is nearest to its sides: the
    // obstacles whose boxes are within kNear of the point are looked at
    // first, and all of them whenever the nearest found is not clearly
    // inside that reach, so the answer is that of looking at every one.
    constexpr double kNear = 2.25 * kLetterSize;
    const Obstacles obstacles = obstaclesOf(scene);
    std::vector<Candidate> candidates;
    candidates.reserve(obstacles.items.size());
    std::vector<PlacedLetter> placed;
    placed.reserve(16);
    for (SceneItem &item : scene.items) {
        if (item.kind != SceneItem::Kind::Label || item.points.empty()) {
            continue;
        }
        const ScenePoint at = item.points[0];
        // The near ones in order of reach; the rest only when asked for.
        candidates.clear();
        for (const ObstacleGroup &g : obstacles.groups) {
            if (boxDistance2(g.left, g.right, g.bottom, g.top, at) > kNear * kNear) {
                continue;
            }
            for (std::size_t i = g.begin; i < g.end; ++i) {
                const Obstacle &o = obstacles.items[i];
                const double reach2 = boxDistance2(o.left, o.right, o.bottom, o.top, at);
                if (reach2 <= kNear * kNear) {
                    candidates.push_back({ std::sqrt(reach2), &o });
                }
            }
        }
        std::sort(candidates.begin(), candidates.end(),
            [](const Candidate &a, const Candidate &b) { return a.reach < b.reach; });
        const std::size_t nearCount = candidates.size();
        const auto everyOne = [&] {
            // Every other obstacle is further than kNear from the point.
            if (candidates.size() == nearCount) {
                for (const Obstacle &o : obstacles.items) {
                    if (boxDistance2(o.left, o.right, o.bottom, o.top, at) > kNear * kNear) {
                        candidates.push_back({ kNear, &o });
                    }
                }
            }
            return std::span<const Candidate>(candidates);
        };
        const std::span<const PlacedLetter> letters(placed);
        double best = -INFINITY;
        for (const ScenePoint &side : kSides) {
            const ScenePoint off = labelOffset(side, item.radius, kLetterSize, kLetterSize);
            const ScenePoint p { at.x + off.x, at.y + off.y };
            const double offLength = std::hypot(off.x, off.y);
            const double cutoff = best + kFreerBy;
            double free = clearance(std::span<const Candidate>(candidates).first(nearCount),
                letters, p, offLength, cutoff);
            if (free <= cutoff) {
                continue; // no freer than the side taken so far
            }
            if (!(free < kNear - offLength - 1e-6)) {
                free = clearance(everyOne(), letters, p, offLength, cutoff);
            }
            if (free > cutoff) {
                best = free;
                item.toward = side;
            }
        }
        placed.push_back({ at, labelOffset(item.toward, item.radius, kLetterSize, kLetterSize) });
    }
}

} // namespace tarvik
