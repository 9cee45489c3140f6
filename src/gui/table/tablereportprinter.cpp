// The camber table report painted on a printer; see tablereportprinter.h.
#include "gui/table/tablereportprinter.h"

#include "core/table/reporttext.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <ctime>
#include <map>
#include <vector>

namespace tarvik::gui {

namespace {

// Fonts by point size, measured against the printer's resolution so that
// the layout's positions and the painted text agree.
class ReportFonts
{
public:
    ReportFonts(const QString &family, QPaintDevice *device)
        : m_family(family)
        , m_device(device)
    {
    }

    const QFont &font(int points)
    {
        auto found = m_fonts.find(points);
        if (found == m_fonts.end()) {
            QFont font(m_family);
            font.setPointSize(points);
            // No ligatures: "Difference" stays plain letters a reader can search.
            font.setStyleStrategy(QFont::PreferNoShaping);
            found = m_fonts.emplace(points, QFont(font, m_device)).first;
        }
        return found->second;
    }

    TextExtent measure(const std::string &text, int points)
    {
        const QFontMetricsF metrics(font(points), m_device);
        return { metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height() };
    }

private:
    QString m_family;
    QPaintDevice *m_device;
    std::map<int, QFont> m_fonts;
};

} // namespace

QString reportFontFamily()
{
    std::vector<std::string> names;
    for (const QString &family : QFontDatabase::families()) {
        names.push_back(family.toStdString());
    }
    return QString::fromStdString(chooseReportFont(names));
}

ReportClock reportClock(const QDateTime &when)
{
    std::tm tm {};
    const QDate date = when.date();
    const QTime time = when.time();
    tm.tm_year = date.year() - 1900;
    tm.tm_mon = date.month() - 1;
    tm.tm_mday = date.day();
    tm.tm_hour = time.hour();
    tm.tm_min = time.minute();
    tm.tm_sec = time.second();
    return { reportTimeText(tm), reportDateText(tm) };
}

bool printTableReport(QPrinter &printer, const CamberTable &table, TableReportInput input)
{
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    input.pageWidth = page.width();
    input.pageHeight = page.height();
    input.heatColors = input.heatColors && printer.colorMode() == QPrinter::Color;

    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    ReportFonts fonts(reportFontFamily(), &printer);
    const TableReport report = layoutTableReport(table, input,
        [&](const std::string &text, int points) { return fonts.measure(text, points); });

    QPen pen(Qt::black);
    pen.setWidthF(printer.resolution() / 100.0); // about a quarter of a millimetre
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const ReportItem &item : report.items) {
        switch (item.kind) {
        case ReportItem::Kind::Text: {
            const QFont &font = fonts.font(item.pointSize);
            painter.setFont(font);
            const QFontMetricsF metrics(font, &printer);
            QPen ink = pen;
            ink.setColor(QColor::fromRgb(static_cast<QRgb>(item.rgb)));
            painter.setPen(ink);
            painter.drawText(
                QPointF(item.x, item.y + metrics.ascent()), QString::fromStdString(item.text));
            painter.setPen(pen);
            break;
        }
        case ReportItem::Kind::Rule:
            painter.drawLine(QPointF(item.x, item.y), QPointF(item.x2, item.y));
            break;
        case ReportItem::Kind::Frame:
            painter.drawRect(QRectF(QPointF(item.x, item.y), QPointF(item.x2, item.y2)));
            break;
        case ReportItem::Kind::Fill:
            painter.fillRect(QRectF(QPointF(item.x, item.y), QPointF(item.x2, item.y2)),
                QColor::fromRgb(static_cast<QRgb>(item.rgb)));
            break;
        case ReportItem::Kind::NewPage:
            printer.newPage();
            break;
        }
    }
    return painter.end();
}

} // namespace tarvik::gui
