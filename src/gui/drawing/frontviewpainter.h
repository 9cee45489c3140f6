// The whole front view on any QPainter: the engine's scene and, over it, the
// result captions in their palette colours (the gain basis at the top, the
// static and moved roll-centre pairs, each side's camber gain and the
// layout-problem status). The main window's picture, its printed report and
// exported drawings all paint through here.
//
// Both sizes place the car as sceneplacement.h says. Normal: the captions in
// the corners (the roll-centre pairs under the gain basis). Big: one caption
// line above the car and one below.
#pragma once

#include "core/geometry/engine.h"

#include <QRectF>
#include <QTransform>

class QFont;
class QPainter;

namespace tarvik::gui {

void paintFrontView(QPainter &painter, const QRectF &target, const Scene &scene,
    const Captions &captions, bool big = false);

// From scene (picture) units to the target's pixels, as paintFrontView draws
// with a painter whose font is baseFont.
QTransform frontViewTransform(
    const QRectF &target, const Scene &scene, bool big, const QFont &baseFont);

} // namespace tarvik::gui
