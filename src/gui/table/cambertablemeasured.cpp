// The camber table window's part in the readings on the car: the measured
// rows below its grids, the markers on its graphs and the way to the
// Measurements window (see cambertablewindow.h).
#include "core/table/measuredrows.h"
#include "gui/design/measurementowner.h"
#include "gui/table/cambertablemodel.h"
#include "gui/table/cambertablewindow.h"

namespace tarvik::gui {

void CamberTableWindow::setMeasurements(MeasurementOwner *owner, std::function<void()> open)
{
    m_measurements = owner;
    m_openMeasurements = std::move(open);
    const auto follow = [this] {
        for (CamberTableModel *model : m_models) {
            model->setMeasurements(m_measurements ? &m_measurements->get() : nullptr);
        }
        // Laid out again for the rows and their captions, with the whole
        // data area selected as after a fill.
        if (m_fills > 0) {
            showGrids(table());
        }
    };
    if (owner) {
        connect(owner, &MeasurementOwner::changed, this, follow);
    }
    follow();
}

void CamberTableWindow::openMeasurements()
{
    if (m_openMeasurements) {
        m_openMeasurements();
    }
}

void CamberTableWindow::addMeasuredMarkers(GraphData &graph) const
{
    if (m_measurements) {
        tarvik::addMeasuredMarkers(graph, table(), m_measurements->get());
    }
}

} // namespace tarvik::gui
