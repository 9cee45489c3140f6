// Paints the engine's front-view scene on any QPainter: the main window's
// picture, a QImage in tests, or a printer page. The scene is in picture
// units with y growing upward; a ScenePlacement (sceneplacement.h) scales
// it uniformly into the target, so nothing is stretched.
#pragma once

#include "core/geometry/scene.h"
#include "core/geometry/sceneplacement.h"

#include <QRectF>
#include <QTransform>

class QPainter;

namespace tarvik::gui {

// The picture-unit to device transform of a placement.
QTransform sceneTransform(const ScenePlacement &placement);

// White background over the target, then every item in order, clipped to
// the target.
void paintScene(
    QPainter &painter, const Scene &scene, const QRectF &target, const ScenePlacement &placement);

} // namespace tarvik::gui
