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

QFont captionFont(QFont font, const QRectF &target)
{
    const double size = std::clamp(target.width() / 60.0, 11.0, 16.0);
    font.setPixelSize(int(size + 0.5));
    return font;
}

QRectF innerRect(const QRectF &target)
{
    return target.adjusted(kCaptionInsetX, kCaptionInsetY, -kCaptionInsetX, -kCaptionInsetY);
}

ScenePlacement placement(const Scene &scene, const QRectF &target, double line, bool big)
{
    return placeFrontView(
        scene, { target.left(), target.top(), target.width(), target.height() }, line, big);
}

} // namespace

QTransform frontViewTransform(
    const QRectF &target, const Scene &scene, bool big, const QFont &baseFont)
{
    const double line = QFontMetricsF(captionFont(baseFont, target)).lineSpacing();
    return sceneTransform(placement(scene, target, line, big));
}

void paintFrontView(
    QPainter &painter, const QRectF &target, const Scene &scene, const Captions &captions, bool big)
{
    painter.save();
    const QFont font = captionFont(painter.font(), target);
    painter.setFont(font);
    const double line = QFontMetricsF(font).lineSpacing();
    const QRectF inner = innerRect(target);
    paintScene(painter, scene, target, placement(scene, target, line, big));

    if (big) {
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
