// The core's heat-map colours as Qt colours, and the text colour that stays
// readable on each: black on the pale middle of the scale, white on its
// deep ends.
#pragma once

#include "core/table/heatscale.h"

#include <QColor>

namespace tarvik::gui {

inline QColor heatQColor(const HeatColor &color)
{
    return QColor(color.r, color.g, color.b);
}

inline QColor heatInk(const HeatColor &color)
{
    return needsLightInk(color) ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace tarvik::gui
