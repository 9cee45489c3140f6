// Paints the engine's front-view scene on any QPainter: the main window's
// picture, a QImage in tests, or a printer page. The scene is in picture
// units with y growing upward; it is scaled uniformly into the target
// rectangle (aspect ratio kept, centred) so nothing is stretched.
#pragma once

#include "core/geometry/scene.h"

#include <QRectF>
#include <QTransform>

class QPainter;

namespace tarvik::gui {

// The picture-unit to device transform used by paintScene, so callers can
// place their own texts (captions) at picture coordinates.
QTransform sceneTransform(const Scene &scene, const QRectF &target);

// White background over the target, then every item in order.
void paintScene(QPainter &painter, const Scene &scene, const QRectF &target);

} // namespace tarvik::gui
