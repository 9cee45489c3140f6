// The graph's chart view with point tooltips; see graphview.h.
#include "gui/table/graphview.h"

#include <QChart>
#include <QCursor>
#include <QLineSeries>
#include <QToolTip>
#include <cmath>

namespace tarvik::gui {

GraphView::GraphView(QWidget *parent)
    : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
}

GraphView::~GraphView()
{
    delete chart();
}

void GraphView::showGraph(const GraphData &graph, const GraphLook &look)
{
    m_graph = graph;
    QChart *old = chart();
    QChart *fresh = makeGraphChart(graph, look);
    setChart(fresh);
    delete old; // the view gives up a replaced chart without deleting it
    // The margin around the chart in the chart's own colour.
    setBackgroundBrush(fresh->backgroundBrush());
    const QList<QAbstractSeries *> series = fresh->series();
    for (int i = 0; i < series.size(); ++i) {
        auto *line = qobject_cast<QLineSeries *>(series[i]);
        if (line == nullptr) {
            continue;
        }
        connect(line, &QLineSeries::hovered, this, [this, i](const QPointF &point, bool state) {
            if (state) {
                QToolTip::showText(QCursor::pos(), pointText(i, point), this);
            } else {
                QToolTip::hideText();
            }
        });
    }
}

QString GraphView::pointText(int series, QPointF near) const
{
    if (series < 0 || static_cast<std::size_t>(series) >= m_graph.series.size()) {
        return {};
    }
    const GraphSeries &data = m_graph.series[static_cast<std::size_t>(series)];
    // Nearest on the screen: the axes' scales differ a hundredfold.
    QAbstractSeries *drawn = chart() != nullptr && series < chart()->series().size()
        ? chart()->series().at(series)
        : nullptr;
    const auto onScreen = [&](QPointF value) {
        return drawn != nullptr ? chart()->mapToPosition(value, drawn) : value;
    };
    const QPointF target = onScreen(near);
    const GraphPoint *best = nullptr;
    double bestDistance = INFINITY;
    for (const GraphPoint &point : data.points) {
        const QPointF at = onScreen(QPointF(point.x, point.y));
        const double distance = std::hypot(at.x() - target.x(), at.y() - target.y());
        if (distance < bestDistance) {
            bestDistance = distance;
            best = &point;
        }
    }
    if (best == nullptr) {
        return {};
    }
    return QStringLiteral("%1\n%2 = %3\n%4 = %5")
        .arg(QString::fromStdString(data.legend), QString::fromStdString(m_graph.xAxisTitle),
            QString::number(best->x, 'f', 2), QString::fromLatin1(kGraphYAxisTitle),
            QString::number(best->y, 'f', 2));
}

} // namespace tarvik::gui
