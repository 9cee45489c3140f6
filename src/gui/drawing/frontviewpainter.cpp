// The front view with its captions; see frontviewpainter.h.
#include "gui/drawing/frontviewpainter.h"

#include "gui/drawing/scenepainter.h"

#include <QPainter>
#include <algorithm>

namespace tarvik::gui {

namespace {

QColor captionColor(int index)
{
    return QColor::fromRgb(QRgb(paletteRgb(index)));
}

void drawLine(QPainter &painter, const QRectF &rect, int align, const QString &text, int color)
{
    painter.setPen(captionColor(color));
    painter.drawText(rect, align | Qt::AlignVCenter, text);
}

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

QString pair(const std::string &first, const std::string &second)
{
    return second.empty() ? qs(first) : qs(first) + QStringLiteral("     ") + qs(second);
}

// Where the whole picture goes so that the car's box fills the band, with
// its proportions kept.
QRectF zoomedPicture(const Scene &scene, const QRectF &band)
{
    const double margin = 0.015 * (scene.right - scene.left);
    const double carWidth = scene.carMax.x - scene.carMin.x + 2 * margin;
    const double carHeight = scene.carMax.y - scene.carMin.y + margin;
    const double scale = std::min(
        band.width() / std::max(1.0, carWidth), band.height() / std::max(1.0, carHeight));
    const double carMidX = (scene.carMin.x + scene.carMax.x) / 2;
    const double carMidY = (scene.carMin.y + scene.carMax.y) / 2;
    const double width = (scene.right - scene.left) * scale;
    const double height = (scene.top - scene.bottom) * scale;
    const QPointF pictureMid(band.center().x() + ((scene.left + scene.right) / 2 - carMidX) * scale,
        band.center().y() - ((scene.top + scene.bottom) / 2 - carMidY) * scale);
    return { pictureMid.x() - width / 2, pictureMid.y() - height / 2, width, height };
}

QFont captionFont(QFont font, const QRectF &target)
{
    const double size = std::clamp(target.width() / 60.0, 11.0, 16.0);
    font.setPixelSize(int(size + 0.5));
    return font;
}

QRectF innerRect(const QRectF &target)
{
    return target.adjusted(6, 4, -6, -4);
}

// The big drawing's picture: the band between the caption lines.
QRectF bigPicture(const Scene &scene, const QRectF &target, double line)
{
    return zoomedPicture(scene, innerRect(target).adjusted(0, line * 1.3, 0, -line * 1.3));
}

} // namespace

QTransform frontViewTransform(
    const QRectF &target, const Scene &scene, bool big, const QFont &baseFont)
{
    if (!big) {
        return sceneTransform(scene, target);
    }
    const double line = QFontMetricsF(captionFont(baseFont, target)).lineSpacing();
    return sceneTransform(scene, bigPicture(scene, target, line));
}

void paintFrontView(
    QPainter &painter, const QRectF &target, const Scene &scene, const Captions &captions, bool big)
{
    painter.save();
    const QFont font = captionFont(painter.font(), target);
    painter.setFont(font);
    const double line = QFontMetricsF(font).lineSpacing();
    const QRectF inner = innerRect(target);

    if (big) {
        painter.fillRect(target, Qt::white);
        painter.setClipRect(target, Qt::IntersectClip);
        paintScene(painter, scene, bigPicture(scene, target, line));
        const QRectF top(inner.left(), inner.top(), inner.width(), line);
        drawLine(painter, top, Qt::AlignHCenter, qs(captions.gainBasis), 0);
        drawLine(painter, top, Qt::AlignLeft,
            pair(captions.rollCenterHeight, captions.rollCenterSide),
            captions.staticRollCenterColor);
        drawLine(painter, top, Qt::AlignRight,
            pair(captions.movedRollCenterHeight, captions.movedRollCenterSide),
            captions.movedRollCenterColor);
        const QRectF bottom(inner.left(), inner.bottom() - line, inner.width(), line);
        drawLine(
            painter, bottom, Qt::AlignLeft, qs(captions.camberGain[0]), captions.camberGainColor);
        drawLine(
            painter, bottom, Qt::AlignRight, qs(captions.camberGain[1]), captions.camberGainColor);
        painter.setPen(QColor(Qt::red).darker(120));
        painter.drawText(bottom, Qt::AlignHCenter | Qt::AlignVCenter, qs(captions.status));
        painter.restore();
        return;
    }

    paintScene(painter, scene, target);
    painter.setPen(Qt::black);
    painter.drawText(inner, Qt::AlignTop | Qt::AlignHCenter, qs(captions.gainBasis));

    QRectF corner(inner.left(), inner.top() + line, inner.width() / 2, line);
    painter.setPen(captionColor(captions.staticRollCenterColor));
    for (const std::string *text : { &captions.rollCenterHeight, &captions.rollCenterSide }) {
        painter.drawText(corner, Qt::AlignLeft | Qt::AlignVCenter, qs(*text));
        corner.translate(0, line);
    }
    painter.setPen(captionColor(captions.movedRollCenterColor));
    for (const std::string *text :
        { &captions.movedRollCenterHeight, &captions.movedRollCenterSide }) {
        painter.drawText(corner, Qt::AlignLeft | Qt::AlignVCenter, qs(*text));
        corner.translate(0, line);
    }

    const QRectF bottom(inner.left(), inner.bottom() - line, inner.width(), line);
    painter.setPen(captionColor(captions.camberGainColor));
    painter.drawText(bottom, Qt::AlignLeft | Qt::AlignVCenter, qs(captions.camberGain[0]));
    painter.drawText(bottom, Qt::AlignRight | Qt::AlignVCenter, qs(captions.camberGain[1]));
    painter.setPen(QColor(Qt::red).darker(120));
    painter.drawText(
        bottom.translated(0, -line), Qt::AlignHCenter | Qt::AlignVCenter, qs(captions.status));
    painter.restore();
}

} // namespace tarvik::gui
