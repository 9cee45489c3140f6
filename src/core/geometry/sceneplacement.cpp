// The front view's place in a drawing area; see sceneplacement.h.
#include "core/geometry/sceneplacement.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace {

// Caption rows kept clear above and below the car, in lines.
constexpr double kNormalRowsAbove = 3.2;
constexpr double kBigRowsAbove = 1.3;
constexpr double kRowsBelow = 1.3;
// Room around the car's box, as a part of the picture's width.
constexpr double kCarMargin = 0.015;

double finiteOr(double value, double fallback)
{
    return std::isfinite(value) ? value : fallback;
}

} // namespace

ScenePlacement placeFrontView(
    const Scene &scene, const SceneArea &area, double lineHeight, bool big)
{
    const double line = std::max(0.0, finiteOr(lineHeight, 0));
    const double bandLeft = area.left + kCaptionInsetX;
    const double bandWidth = std::max(1.0, area.width - 2 * kCaptionInsetX);
    const double bandTop
        = area.top + kCaptionInsetY + line * (big ? kBigRowsAbove : kNormalRowsAbove);
    const double bandBottom = area.top + area.height - kCaptionInsetY - line * kRowsBelow;
    const double bandHeight = std::max(1.0, bandBottom - bandTop);

    const double margin = kCarMargin * std::max(1.0, finiteOr(scene.right - scene.left, 300));
    const double carLeft = finiteOr(scene.carMin.x, scene.left) - margin;
    const double carRight = finiteOr(scene.carMax.x, scene.right) + margin;
    const double carBottom = finiteOr(scene.carMin.y, scene.bottom) - margin / 2;
    const double carTop = finiteOr(scene.carMax.y, scene.top) + margin / 2;
    const double carWidth = std::max(1.0, carRight - carLeft);
    const double carHeight = std::max(1.0, carTop - carBottom);

    ScenePlacement placed;
    placed.scale = std::min(bandWidth / carWidth, bandHeight / carHeight);
    placed.originX = bandLeft + bandWidth / 2 - (carLeft + carRight) / 2 * placed.scale;
    placed.originY = bandTop + bandHeight / 2 + (carBottom + carTop) / 2 * placed.scale;
    return placed;
}

} // namespace tarvik
