// Window capture and fit-to-page printing of the captured picture.
#include "gui/common/windowimageprinter.h"

#include "core/support/pagefit.h"
#include "gui/platform/platform.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWidget>

namespace tarvik::gui {

WindowImagePrinter::WindowImagePrinter(Platform &platform)
    : m_platform(platform)
{
}

QImage WindowImagePrinter::captureWindow(QWidget *window)
{
    if (!window) {
        return {};
    }
    return window->grab().toImage();
}

bool WindowImagePrinter::printPicture(
    QPrinter &printer, const QImage &picture, const QString &caption)
{
    if (picture.isNull()) {
        return false;
    }
    const auto orientation = orientationForPicture(picture.width(), picture.height());
    printer.setPageOrientation(
        orientation == PageOrientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    // The painter's origin is the printable area's top-left corner.
    const QRectF printable = printer.pageLayout().paintRectPixels(printer.resolution());
    double top = 0;
    if (!caption.isEmpty()) {
        QFont font = painter.font();
        font.setPointSizeF(11);
        painter.setFont(font);
        const QFontMetricsF metrics(font, &printer);
        painter.drawText(QRectF(0, 0, printable.width(), metrics.height()),
            Qt::AlignLeft | Qt::AlignVCenter,
            metrics.elidedText(caption, Qt::ElideRight, printable.width()));
        top = metrics.height() * 1.5;
    }
    const PrintedSize size = fitPictureToPage(
        picture.width(), picture.height(), printable.width(), printable.height() - top);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(0, top, size.width, size.height), picture);
    return painter.end();
}

bool WindowImagePrinter::printWindow(QWidget *window)
{
    const QImage picture = captureWindow(window);
    if (picture.isNull()) {
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    const QString title = window->windowTitle();
    return m_platform.printPreview(window, printer, [&](QPrinter &target) {
        return printPicture(target, picture, title);
    }) == PrintOutcome::Printed;
}

} // namespace tarvik::gui
