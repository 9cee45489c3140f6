// The heat-map legend under the table's grids; see heatlegendbar.h.
#include "gui/table/heatlegendbar.h"

#include "gui/table/heatcolors.h"

#include <QPainter>

namespace tarvik::gui {

HeatLegendBar::HeatLegendBar(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setLegend(kMinimumHeatSpan, QStringLiteral("deg"));
}

void HeatLegendBar::setLegend(double span, const QString &unit)
{
    m_steps = heatLegend(span, kSteps);
    m_caption = QStringLiteral("Difference, %1:").arg(unit);
    updateGeometry();
    update();
}

int HeatLegendBar::stepWidth() const
{
    // Room for the widest value ("-10.25") with a margin either side.
    return fontMetrics().horizontalAdvance(QStringLiteral("-000.00")) + 8;
}

int HeatLegendBar::captionWidth() const
{
    return fontMetrics().horizontalAdvance(m_caption) + 10;
}

QSize HeatLegendBar::sizeHint() const
{
    return { captionWidth() + kSteps * stepWidth() + 4, fontMetrics().height() + 10 };
}

QSize HeatLegendBar::minimumSizeHint() const
{
    return sizeHint();
}

void HeatLegendBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int height = fontMetrics().height() + 8;
    const QRect captionRect(0, 1, captionWidth(), height);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionRect, Qt::AlignVCenter | Qt::AlignLeft, m_caption);
    const int width = stepWidth();
    for (std::size_t i = 0; i < m_steps.size(); ++i) {
        const HeatLegendStep &step = m_steps[i];
        const QRect box(captionRect.right() + 1 + static_cast<int>(i) * width, 1, width, height);
        painter.fillRect(box, heatQColor(step.color));
        painter.setPen(heatInk(step.color));
        painter.drawText(box, Qt::AlignCenter, QString::fromStdString(step.text));
    }
    // One frame around the steps: the white middle step still reads as part of the bar.
    painter.setPen(QColor(120, 120, 120));
    painter.drawRect(
        captionRect.right() + 1, 1, static_cast<int>(m_steps.size()) * width - 1, height - 1);
}

} // namespace tarvik::gui
