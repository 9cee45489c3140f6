// Front-view widget; see frontview.h. Captions sit in the picture's corners
// where the drawing leaves room: roll centre top left, camber gain along
// the bottom under each side, the status line centred at the bottom.
#include "gui/mainwin/frontview.h"

#include "gui/mainwin/scenepainter.h"

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

void FrontView::paint(
    QPainter &painter, const QRectF &target, const Scene &scene, const FrontViewCaptions &captions)
{
    paintScene(painter, scene, target);
    painter.save();
    QFont font = painter.font();
    const double size = std::clamp(target.width() / 60.0, 11.0, 16.0);
    font.setPixelSize(int(size + 0.5));
    painter.setFont(font);
    const double line = QFontMetricsF(font).lineSpacing();
    const QRectF inner = target.adjusted(6, 4, -6, -4);

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
    paint(painter, QRectF(rect()), m_scene, m_captions);
}

} // namespace tarvik::gui
