// Front-view picture files; see drawingfile.h.
#include "gui/drawing/drawingfile.h"

#include "gui/drawing/frontviewpainter.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgGenerator>

namespace tarvik::gui {

namespace {

QByteArray svgPicture(const QSize &size, const Scene &scene, const Captions &captions, bool big)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Front view"));
    svg.setDescription(QStringLiteral("Front-suspension layout drawn by Tarvik"));
    {
        QPainter painter(&svg);
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        paintFrontView(painter, QRectF(QPoint(0, 0), size), scene, captions, big);
    }
    // The generator gives the picture's size in millimetres at its own
    // resolution; the size asked for is pixels, so viewers show it 1:1.
    QString text = QString::fromUtf8(buffer.data());
    static const QRegularExpression physical(
        QStringLiteral("<svg width=\"[^\"]*\" height=\"[^\"]*\""));
    text.replace(physical,
        QStringLiteral("<svg width=\"%1\" height=\"%2\"").arg(size.width()).arg(size.height()));
    return text.toUtf8();
}

QByteArray pngPicture(const QSize &size, const Scene &scene, const Captions &captions, bool big)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintFrontView(painter, QRectF(image.rect()), scene, captions, big);
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? buffer.data() : QByteArray();
}

} // namespace

bool writeDrawingFile(const QString &path, const QSize &size, const Scene &scene,
    const Captions &captions, bool big, QString &error)
{
    if (size.isEmpty()) {
        error = QStringLiteral("The picture has no size.");
        return false;
    }
    const bool svg = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    const QByteArray bytes
        = svg ? svgPicture(size, scene, captions, big) : pngPicture(size, scene, captions, big);
    if (bytes.isEmpty()) {
        error = QStringLiteral("The picture could not be made at that size.");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace tarvik::gui
