// The graph window's drawing: a chart view that shows one GraphData in one
// look and names the point under the mouse in a tooltip (the series' legend,
// the column value and the camber).
#pragma once

#include "gui/table/graphchart.h"

#include <QChartView>

namespace tarvik::gui {

class GraphView : public QChartView
{
    Q_OBJECT
public:
    explicit GraphView(QWidget *parent = nullptr);
    ~GraphView() override;

    // Replaces the chart: the old graph goes, the new one is drawn.
    void showGraph(const GraphData &graph, const GraphLook &look);

    // The tooltip for a hover near position (in the chart's values) on
    // series index: the nearest point of that series.
    QString pointText(int series, QPointF near) const;

private:
    GraphData m_graph;
};

} // namespace tarvik::gui
