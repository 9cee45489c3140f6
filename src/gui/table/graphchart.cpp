// The camber graph's chart; see graphchart.h.
#include "gui/table/graphchart.h"

#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace tarvik::gui {

namespace {

// Twelve colours that stay apart on black; darker ones for a white page.
const QColor kOnBlack[] = { QColor(255, 80, 80), QColor(80, 230, 80), QColor(90, 150, 255),
    QColor(255, 255, 90), QColor(80, 230, 230), QColor(255, 110, 255), QColor(255, 170, 60),
    QColor(200, 200, 200), QColor(170, 120, 255), QColor(160, 255, 160), QColor(255, 160, 160),
    QColor(140, 200, 255) };
const QColor kOnWhite[]
    = { QColor(200, 0, 0), QColor(0, 140, 0), QColor(0, 0, 210), QColor(170, 120, 0),
          QColor(0, 140, 150), QColor(180, 0, 180), QColor(230, 100, 0), QColor(90, 90, 90),
          QColor(110, 40, 200), QColor(60, 110, 30), QColor(150, 60, 60), QColor(30, 90, 150) };

// Dash patterns by pattern value, in line widths; value 0 is a solid line.
const QList<qreal> kPatterns[] = {
    {},
    { 6, 3 },
    { 1, 3 },
    { 6, 3, 1, 3 },
    { 6, 3, 1, 3, 1, 3 },
    { 12, 4 },
    { 12, 3, 3, 3 },
    { 3, 3 },
    { 12, 3, 1, 3, 1, 3 },
    { 9, 2, 2, 2, 2, 2 },
    { 2, 6 },
    { 16, 4, 4, 4 },
    { 16, 3, 1, 3, 1, 3, 1, 3 },
};
constexpr int kPatternCount = int(std::size(kPatterns));

// A baseline's line: its pair's colour, dashed, wider and partly transparent.
const QList<qreal> kBaselineDashes = { 3, 2 };
constexpr double kBaselineWidth = 2.5;
constexpr int kBaselineAlpha = 150;

void styleAxis(QValueAxis *axis, const GraphLook &look, const QString &title)
{
    const QColor ink = look.blackBackground ? Qt::white : Qt::black;
    axis->setTitleText(title);
    axis->setTitleBrush(ink);
    axis->setLabelsBrush(ink);
    axis->setLinePenColor(ink);
    axis->setGridLineColor(look.blackBackground ? QColor(90, 90, 90) : QColor(200, 200, 200));
    axis->setLabelFormat(QStringLiteral("%.2f"));
}

// A range that shows every point with a little room; a flat line gets a
// unit-wide band so the axis can be drawn.
void fitRange(QValueAxis *axis, double low, double high, double margin)
{
    if (!std::isfinite(low) || !std::isfinite(high)) {
        low = -1;
        high = 1;
    }
    if (high - low < 1e-9) {
        low -= 0.5;
        high += 0.5;
    }
    const double room = (high - low) * margin;
    axis->setRange(low - room, high + room);
}

} // namespace

QPen seriesPen(const GraphLook &look, std::size_t index, const GraphSeries &series)
{
    const QColor *palette = look.blackBackground ? kOnBlack : kOnWhite;
    QColor colour = look.monochrome
        ? QColor(Qt::black)
        : palette[static_cast<std::size_t>(std::max(series.pair, 0)) % std::size(kOnBlack)];
    const double width = look.thickLines ? 3.0 : 1.0;
    QPen pen(colour, width);
    pen.setCapStyle(Qt::FlatCap);
    if (series.baseline) {
        // A wider, see-through band of dashes in its line's colour: a
        // baseline equal to its line shows that line inside the band.
        colour.setAlpha(look.monochrome ? 255 : kBaselineAlpha);
        pen.setColor(colour);
        pen.setWidthF(width * kBaselineWidth);
        pen.setDashPattern(kBaselineDashes);
    }
    const int value = look.patternedLines ? look.pattern(index) : 0;
    if (value > 0) {
        pen.setDashPattern(kPatterns[(value - 1) % (kPatternCount - 1) + 1]);
    }
    return pen;
}

QChart *makeGraphChart(const GraphData &graph, const GraphLook &look)
{
    auto *chart = new QChart;
    const QColor ink = look.blackBackground ? Qt::white : Qt::black;
    chart->setBackgroundBrush(look.blackBackground ? QColor(Qt::black) : QColor(Qt::white));
    chart->setBackgroundRoundness(0);
    chart->setBackgroundPen(look.border ? QPen(Qt::black, 2) : QPen(Qt::NoPen));
    // The title's runs of blanks are part of it ("Camber, deg   vs   Roll, deg");
    // the chart would fold them into one.
    chart->setTitle(QString::fromStdString(graph.title).replace(u' ', QChar(0xA0)));
    chart->setTitleBrush(ink);
    QFont titleFont = chart->titleFont();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setLabelColor(ink);
    chart->setAnimationOptions(QChart::NoAnimation);

    auto *xAxis = new QValueAxis(chart);
    auto *yAxis = new QValueAxis(chart);
    styleAxis(xAxis, look, QString::fromStdString(graph.xAxisTitle));
    styleAxis(yAxis, look,
        graph.yAxisTitle.empty() ? QString::fromLatin1(kGraphYAxisTitle)
                                 : QString::fromStdString(graph.yAxisTitle));
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);

    double xLow = INFINITY, xHigh = -INFINITY, yLow = INFINITY, yHigh = -INFINITY;
    for (std::size_t i = 0; i < graph.series.size(); ++i) {
        const GraphSeries &data = graph.series[i];
        auto *series = new QLineSeries(chart);
        series->setName(QString::fromStdString(data.legend));
        for (const GraphPoint &point : data.points) {
            series->append(point.x, point.y);
            xLow = std::min(xLow, point.x);
            xHigh = std::max(xHigh, point.x);
            yLow = std::min(yLow, point.y);
            yHigh = std::max(yHigh, point.y);
        }
        series->setPen(seriesPen(look, i, data));
        series->setPointsVisible(true);
        series->setMarkerSize(look.thickLines ? 4.5 : 3.0);
        chart->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    }
    // Readings on the car: hollow markers in their line's colour, after the
    // lines so they sit on top.
    for (std::size_t i = 0; i < graph.series.size(); ++i) {
        const GraphSeries &data = graph.series[i];
        if (data.measured.empty()) {
            continue;
        }
        auto *markers = new QScatterSeries(chart);
        markers->setName(QString::fromStdString(data.legend) + QStringLiteral(" (measured)"));
        markers->setObjectName(QStringLiteral("MeasuredMarkers"));
        markers->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        markers->setMarkerSize(look.thickLines ? 12 : 9);
        markers->setBrush(Qt::NoBrush);
        markers->setPen(QPen(seriesPen(look, i, data).color(), 2));
        for (const GraphPoint &point : data.measured) {
            markers->append(point.x, point.y);
            yLow = std::min(yLow, point.y);
            yHigh = std::max(yHigh, point.y);
        }
        chart->addSeries(markers);
        markers->attachAxis(xAxis);
        markers->attachAxis(yAxis);
    }
    fitRange(xAxis, xLow, xHigh, 0.0);
    fitRange(yAxis, yLow, yHigh, 0.08);
    yAxis->applyNiceNumbers();
    // Ticks on the table's own column values where there are a few of them.
    if (!graph.series.empty() && graph.series.front().points.size() >= 2) {
        const std::vector<GraphPoint> &points = graph.series.front().points;
        const double step = std::abs(points[1].x - points[0].x);
        if (step > 1e-9 && (xHigh - xLow) / step <= 12) {
            xAxis->setTickType(QValueAxis::TicksDynamic);
            xAxis->setTickAnchor(xLow);
            xAxis->setTickInterval(step);
        }
    }
    return chart;
}

} // namespace tarvik::gui
