// The measured camber's windows; see measurementwindows.h.
#include "gui/design/measurementwindows.h"

#include "gui/design/measurementowner.h"
#include "gui/design/measurementswindow.h"
#include "gui/design/modelfitwindow.h"

namespace tarvik::gui {

namespace {

template <typename Window> Window *bringUp(Window *window)
{
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace

MeasurementWindows::MeasurementWindows(
    Platform &platform, LayoutDocument &document, SettingsOwner &settings, QObject *parent)
    : QObject(parent)
    , m_platform(platform)
    , m_document(document)
    , m_settings(settings)
    , m_owner(new MeasurementOwner(document, this))
{
}

MeasurementsWindow *MeasurementWindows::openMeasurements(QWidget *parent)
{
    if (parent) {
        m_parent = parent;
    }
    if (!m_measurements) {
        m_measurements = new MeasurementsWindow(m_platform, m_document, *m_owner, m_parent);
    }
    return bringUp(m_measurements.data());
}

ModelFitWindow *MeasurementWindows::openFit(QWidget *parent)
{
    if (parent) {
        m_parent = parent;
    }
    if (!m_fit) {
        m_fit = new ModelFitWindow(
            m_platform, m_document, m_settings, *m_owner, [this] { openMeasurements(nullptr); },
            m_parent);
    }
    return bringUp(m_fit.data());
}

} // namespace tarvik::gui
