// Front-view widget; see frontview.h. Captions sit in the picture's corners
// where the drawing leaves room: roll centre top left, camber gain along
// the bottom under each side, the status line centred at the bottom.
#include "gui/mainwin/frontview.h"

#include "gui/drawing/scenepainter.h"

#include <QPainter>
#include <algorithm>

namespace tarvik::gui {

namespace {

QColor captionColor(int index)
{
    return QColor::fromRgb(QRgb(paletteRgb(index)));
}

} // namespace

FrontView::FrontView(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FrontView::setScene(const Scene &scene)
{
    m_scene = scene;
    update();
}

void FrontView::setCaptions(const FrontViewCaptions &captions)
{
    m_captions = captions;
    update();
}

void FrontView::setGainBasis(const QString &text)
{
    m_captions.gainBasis = text;
    update();
}

QSize FrontView::sizeHint() const
{
    return { 560, 330 };
}

QSize FrontView::minimumSizeHint() const
{
    return { 320, 190 };
}

void FrontView::setBig(bool big)
{
    m_big = big;
    update();
}

namespace {

void drawLine(QPainter &painter, const QRectF &rect, int align, const QString &text, int color)
{
    painter.setPen(captionColor(color));
    painter.drawText(rect, align | Qt::AlignVCenter, text);
}

QString pair(const std::array<QString, 2> &texts)
{
    return texts[1].isEmpty() ? texts[0] : texts[0] + QStringLiteral("     ") + texts[1];
}

// Where the whole picture goes so that the car's box fills the band, with
// its proportions kept.
QRectF zoomedPicture(const Scene &scene, const QRectF &band)
{
    const double margin = 0.015 * (scene.right - scene.left);
    const double carWidth = scene.carMax.x - scene.carMin.x + 2 * margin;
    const double carHeight = scene.carMax.y - scene.carMin.y + margin;
    const double scale
        = std::min(band.width() / std::max(1.0, carWidth), band.height() / std::max(1.0, carHeight));
    const double carMidX = (scene.carMin.x + scene.carMax.x) / 2;
    const double carMidY = (scene.carMin.y + scene.carMax.y) / 2;
    const double width = (scene.right - scene.left) * scale;
    const double height = (scene.top - scene.bottom) * scale;
    const QPointF pictureMid(band.center().x() + ((scene.left + scene.right) / 2 - carMidX) * scale,
        band.center().y() - ((scene.top + scene.bottom) / 2 - carMidY) * scale);
    return { pictureMid.x() - width / 2, pictureMid.y() - height / 2, width, height };
}

} // namespace

void FrontView::paint(QPainter &painter, const QRectF &target, const Scene &scene,
    const FrontViewCaptions &captions, bool big)
{
    painter.save();
    QFont font = painter.font();
    const double size = std::clamp(target.width() / 60.0, 11.0, 16.0);
    font.setPixelSize(int(size + 0.5));
    painter.setFont(font);
    const double line = QFontMetricsF(font).lineSpacing();
    const QRectF inner = target.adjusted(6, 4, -6, -4);

    if (big) {
        painter.fillRect(target, Qt::white);
        painter.setClipRect(target, Qt::IntersectClip);
        const QRectF band = inner.adjusted(0, line * 1.3, 0, -line * 1.3);
        paintScene(painter, scene, zoomedPicture(scene, band));
        const QRectF top(inner.left(), inner.top(), inner.width(), line);
        drawLine(painter, top, Qt::AlignHCenter, captions.gainBasis, 0);
        drawLine(painter, top, Qt::AlignLeft, pair(captions.rollCenter), captions.rollCenterColor);
        drawLine(painter, top, Qt::AlignRight, pair(captions.movedRollCenter),
            captions.movedRollCenterColor);
        const QRectF bottom(inner.left(), inner.bottom() - line, inner.width(), line);
        drawLine(painter, bottom, Qt::AlignLeft, captions.camberGain[0], captions.camberGainColor);
        drawLine(painter, bottom, Qt::AlignRight, captions.camberGain[1], captions.camberGainColor);
        painter.setPen(QColor(Qt::red).darker(120));
        painter.drawText(bottom, Qt::AlignHCenter | Qt::AlignVCenter, captions.status);
        painter.restore();
        return;
    }

    paintScene(painter, scene, target);
    painter.setPen(Qt::black);
    painter.drawText(inner, Qt::AlignTop | Qt::AlignHCenter, captions.gainBasis);

    QRectF corner(inner.left(), inner.top() + line, inner.width() / 2, line);
    painter.setPen(captionColor(captions.rollCenterColor));
    for (const QString &text : captions.rollCenter) {
        painter.drawText(corner, Qt::AlignLeft | Qt::AlignVCenter, text);
        corner.translate(0, line);
    }
    painter.setPen(captionColor(captions.movedRollCenterColor));
    for (const QString &text : captions.movedRollCenter) {
        painter.drawText(corner, Qt::AlignLeft | Qt::AlignVCenter, text);
        corner.translate(0, line);
    }

    const QRectF bottom(inner.left(), inner.bottom() - line, inner.width(), line);
    painter.setPen(captionColor(captions.camberGainColor));
    painter.drawText(bottom, Qt::AlignLeft | Qt::AlignVCenter, captions.camberGain[0]);
    painter.drawText(bottom, Qt::AlignRight | Qt::AlignVCenter, captions.camberGain[1]);
    painter.setPen(QColor(Qt::red).darker(120));
    painter.drawText(
        bottom.translated(0, -line), Qt::AlignHCenter | Qt::AlignVCenter, captions.status);
    painter.restore();
}

void FrontView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, QRectF(rect()), m_scene, m_captions, m_big);
}

} // namespace tarvik::gui
