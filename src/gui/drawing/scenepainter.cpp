// Scene painting: one function shared by the screen, printing and tests.
// Line widths and label sizes grow with the target so a printed page looks
// like the screen: the reference is the normal on-screen picture, about
// 530 device pixels wide.
#include "gui/drawing/scenepainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>

namespace tarvik::gui {

namespace {

constexpr double kReferenceWidthPx = 530.0;

QColor paletteColor(int index)
{
    return QColor::fromRgb(QRgb(paletteRgb(index)));
}

Qt::PenStyle penStyle(DashStyle dash)
{
    switch (dash) {
    case DashStyle::Dash:
        return Qt::DashLine;
    case DashStyle::Dot:
        return Qt::DotLine;
    case DashStyle::DashDot:
        return Qt::DashDotLine;
    case DashStyle::Solid:
        break;
    }
    return Qt::SolidLine;
}

} // namespace

QTransform sceneTransform(const ScenePlacement &placement)
{
    return QTransform(
        placement.scale, 0, 0, -placement.scale, placement.originX, placement.originY);
}

void paintScene(
    QPainter &painter, const Scene &scene, const QRectF &target, const ScenePlacement &placement)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setClipRect(target, Qt::IntersectClip);
    painter.fillRect(target, Qt::white);

    const QTransform toDevice = sceneTransform(placement);
    const double sizeFactor
        = std::max(0.5, std::min(target.width(), target.height() * 2.0) / kReferenceWidthPx);
    QFont labelFont = painter.font();
    labelFont.setPixelSize(std::max(6, int(11 * sizeFactor)));
    labelFont.setBold(true);

    for (const SceneItem &item : scene.items) {
        const QColor color = paletteColor(item.color);
        QPen pen(color, std::max(1.0, item.width * sizeFactor), penStyle(item.dash));
        pen.setCosmetic(true);
        // Round caps suit solid lines; on dashed and dotted pens they make Qt
        // draw every dash as a separate shape, which is many times slower.
        pen.setCapStyle(item.dash == DashStyle::Solid ? Qt::RoundCap : Qt::FlatCap);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);

        QPolygonF points;
        for (const ScenePoint &point : item.points) {
            points.append(toDevice.map(QPointF(point.x, point.y)));
        }
        switch (item.kind) {
        case SceneItem::Kind::Line:
            if (points.size() >= 2) {
                painter.drawPolyline(points);
            }
            break;
        case SceneItem::Kind::Polygon:
            if (points.size() >= 2) {
                painter.drawPolygon(points);
            }
            break;
        case SceneItem::Kind::Circle:
            if (!points.isEmpty()) {
                const double radius = std::max(1.0, item.radius * toDevice.m11());
                painter.drawEllipse(points.constFirst(), radius, radius);
            }
            break;
        case SceneItem::Kind::FilledBox:
            if (points.size() >= 2) {
                painter.fillRect(QRectF(points[0], points[1]).normalized(), color);
            }
            break;
        case SceneItem::Kind::Label:
            if (!points.isEmpty()) {
                painter.setFont(labelFont);
                // The letter's inked box beside its point, on the side the scene chose.
                const QString letter = QString::fromStdString(item.text);
                const QRectF ink = QFontMetricsF(labelFont).tightBoundingRect(letter);
                const ScenePoint off = labelOffset(
                    item.toward, item.radius * placement.scale, ink.width(), ink.height());
                const QPointF centre = points.constFirst() + QPointF(off.x, -off.y);
                painter.drawText(centre - ink.center(), letter);
            }
            break;
        }
    }
    painter.restore();
}

} // namespace tarvik::gui
