// The legend of the heat-mapped difference rows: a caption naming the unit,
// then a row of colour steps from the deepest blue (-span) through white to
// the deepest red (+span), each with its value, as heatLegend() lays them
// out. The table window shows it under the grids while difference rows are
// shown and the heat map is on.
#pragma once

#include "core/table/heatscale.h"

#include <QWidget>
#include <vector>

namespace tarvik::gui {

class HeatLegendBar : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kSteps = 9;

    explicit HeatLegendBar(QWidget *parent = nullptr);

    // span: the table's heat span; unit: "deg", "in" or "mm".
    void setLegend(double span, const QString &unit);
    const std::vector<HeatLegendStep> &steps() const { return m_steps; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int stepWidth() const;
    int captionWidth() const;

    std::vector<HeatLegendStep> m_steps;
    QString m_caption;
};

} // namespace tarvik::gui
