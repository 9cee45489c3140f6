// The measured camber's owner and the two windows over it: Table & Graph >
// Measurements and Design > Fit Model to Measurements. Start-up makes one
// and hands the owner to the table windows (measured rows and markers).
// Each window is made on first use and brought to the front after.
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace tarvik::gui {

class LayoutDocument;
class MeasurementOwner;
class MeasurementsWindow;
class ModelFitWindow;
class Platform;
class SettingsOwner;

class MeasurementWindows : public QObject
{
    Q_OBJECT
public:
    MeasurementWindows(Platform &platform, LayoutDocument &document, SettingsOwner &settings,
        QObject *parent = nullptr);

    MeasurementOwner &owner() const { return *m_owner; }
    // parent: the window the new window belongs to (the main window).
    MeasurementsWindow *openMeasurements(QWidget *parent);
    ModelFitWindow *openFit(QWidget *parent);

private:
    Platform &m_platform;
    LayoutDocument &m_document;
    SettingsOwner &m_settings;
    MeasurementOwner *m_owner = nullptr;
    QPointer<QWidget> m_parent;
    QPointer<MeasurementsWindow> m_measurements;
    QPointer<ModelFitWindow> m_fit;
};

} // namespace tarvik::gui
