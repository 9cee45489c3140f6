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

QTransform sceneTransform(const Scene &scene, const QRectF &target)
{
    const double width = std::max(1e-9, scene.right - scene.left);
    const double height = std::max(1e-9, scene.top - scene.bottom);
    const double scale = std::min(target.width() / width, target.height() / height);
    const double midX = (scene.left + scene.right) / 2;
    const double midY = (scene.top + scene.bottom) / 2;
    QTransform transform;
    transform.translate(target.center().x(), target.center().y());
    transform.scale(scale, -scale);
    transform.translate(-midX, -midY);
    return transform;
}

void paintScene(QPainter &painter, const Scene &scene, const QRectF &target)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setClipRect(target, Qt::IntersectClip);
    painter.fillRect(target, Qt::white);

    const QTransform toDevice = sceneTransform(scene, target);
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
                // The anchor is the label's top-left corner, as the old floating labels.
                const QFontMetricsF metrics(labelFont);
                painter.drawText(points.constFirst() + QPointF(0, metrics.ascent()),
                    QString::fromStdString(item.text));
            }
            break;
        }
    }
    painter.restore();
}

} // namespace tarvik::gui
