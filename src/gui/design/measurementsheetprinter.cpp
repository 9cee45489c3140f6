// The measurement sheet on paper; see measurementsheetprinter.h.
#include "gui/design/measurementsheetprinter.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace tarvik::gui {

namespace {

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

bool printMeasurementSheet(QPrinter &printer, const MeasurementSheet &sheet)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect area(0, 0, page.width(), page.height());
    const double dpi = printer.resolution();
    const auto points = [&](double pt) { return static_cast<int>(pt * dpi / 72.0); };
    QFont title(QStringLiteral("Sans Serif"));
    title.setPointSizeF(16);
    title.setBold(true);
    QFont body(QStringLiteral("Sans Serif"));
    body.setPointSizeF(10);

    int y = 0;
    painter.setFont(title);
    const QRect titleRect
        = painter.boundingRect(area, Qt::AlignLeft | Qt::TextWordWrap, qs(sheet.title));
    painter.drawText(titleRect, Qt::AlignLeft | Qt::TextWordWrap, qs(sheet.title));
    y += titleRect.height() + points(4);
    painter.setFont(body);
    const QString vehicle = QStringLiteral("Vehicle: ") + qs(sheet.vehicle)
        + QStringLiteral("        Date: ______________        By: ______________");
    painter.drawText(QRect(0, y, area.width(), points(14)), Qt::AlignLeft, vehicle);
    y += points(20);
    for (const std::string &step : sheet.procedure) {
        const QRect box(0, y, area.width(), area.height() - y);
        const QRect used = painter.boundingRect(box, Qt::AlignLeft | Qt::TextWordWrap, qs(step));
        painter.drawText(used, Qt::AlignLeft | Qt::TextWordWrap, qs(step));
        y += used.height() + points(5);
    }
    y += points(8);

    // The grid: four equal columns; a new page when it reaches the bottom.
    const int rowHeight = points(22);
    const int columnWidth
        = area.width() / static_cast<int>(std::max<std::size_t>(sheet.columns.size(), 1));
    const auto drawRow = [&](const std::vector<std::string> &cells, bool heading) {
        QFont font = body;
        font.setBold(heading);
        painter.setFont(font);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const QRect cell(static_cast<int>(c) * columnWidth, y, columnWidth, rowHeight);
            painter.drawRect(cell);
            painter.drawText(cell, Qt::AlignCenter, qs(cells[c]));
        }
        y += rowHeight;
    };
    drawRow(sheet.columns, true);
    for (const auto &row : sheet.rows) {
        if (y + rowHeight > area.height()) {
            printer.newPage();
            y = 0;
            drawRow(sheet.columns, true);
        }
        drawRow(row, false);
    }
    return painter.end();
}

} // namespace tarvik::gui
