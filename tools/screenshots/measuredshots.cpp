// The pictures of "Checking the model against the car": the circle-track
// example measured on a car whose right upper ball joint sits 0.2 in higher
// than typed — the Measurements window with the readings, the camber table
// with its measured rows, a graph with the readings as markers, the fit
// that finds the joint, and the sensitivity table of the Design window.
#include "core/design/measurements.h"
#include "core/layout/entrynumbers.h"
#include "gui/design/measurementowner.h"
#include "gui/design/measurementswindow.h"
#include "gui/design/measurementwindows.h"
#include "gui/design/modelfitwindow.h"
#include "gui/design/pickupoptimizerwindow.h"
#include "gui/table/cambertablewindow.h"
#include "gui/table/graphwindow.h"
#include "gui/table/tablewindows.h"
#include "shots.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>

namespace tarvik::screenshots {

namespace {

constexpr const char *kReadings = "dive,roll,camber_right,camber_left\n"
                                  "0,-2,-3.49,2.34\n0,2,-1.63,0.56\n1,-2,-4.55,1.01\n"
                                  "1,2,-2.92,-0.57\n2,-2,-5.72,-0.45\n2,2,-4.35,-1.81\n";

// The example copied to a folder of its own, so that its readings are
// written there and not beside the shipped file.
struct MeasuredScene : MainScene
{
    QTemporaryDir folder;
    gui::MeasurementWindows windows;
    gui::TableWindows tables;

    explicit MeasuredScene(const gui::DataFolder &data)
        : MainScene(data, QStringLiteral("CIRCLE.TK"))
        , windows(platform, *document, settings)
        , tables(platform, data, settings, *document, window.get(), {})
    {
        const QString car = folder.filePath(QStringLiteral("CIRCLE.TK"));
        QFile::copy(data.path(QStringLiteral("tkfiles/CIRCLE.TK")), car);
        QFile::setPermissions(car, QFile::ReadOwner | QFile::WriteOwner);
        QString message;
        document->open(car, message);
        QString ignored;
        windows.owner().set(parseMeasurementText(kReadings).set, ignored);
        tables.setMeasurements(&windows.owner(), {});
    }

    gui::CamberTableWindow *openTable()
    {
        const int before = tables.tableWindow() ? tables.tableWindow()->fillCount() : 0;
        tables.openTable();
        while (tables.tableWindow()->fillCount() == before) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        return tables.tableWindow();
    }
};

QImage measurementsWindow(ShotContext &context)
{
    MeasuredScene scene(context.data);
    gui::MeasurementsWindow *window = scene.windows.openMeasurements(scene.window.get());
    window->resize(560, 330);
    return grabWindow(window);
}

QImage measuredTable(ShotContext &context)
{
    MeasuredScene scene(context.data);
    gui::CamberTableWindow *window = scene.openTable();
    window->setMinimumWidth(720);
    window->resize(720, 660);
    return grabWindow(window);
}

QImage measuredGraph(ShotContext &context)
{
    MeasuredScene scene(context.data);
    gui::CamberTableWindow *window = scene.openTable();
    // Dive 0, 1 and 2 over every roll.
    window->setSelection(kSideRight, { 3, 5, 1, window->table().gridColumns() - 1 });
    window->graph();
    gui::GraphWindow *graph = nullptr;
    for (QWidget *shown : QApplication::topLevelWidgets()) {
        if (auto *g = qobject_cast<gui::GraphWindow *>(shown); g && g->isVisible()) {
            graph = g;
        }
    }
    graph->resize(900, 600);
    return grabWindow(graph);
}

QImage fitWindow(ShotContext &context)
{
    MeasuredScene scene(context.data);
    gui::ModelFitWindow *window = scene.windows.openFit(scene.window.get());
    window->vary(QStringLiteral("right.upper_ball_joint.y"), 0.25);
    window->vary(QStringLiteral("right.upper_frame_pivot.y"), 0.1);
    window->resize(1000, 560);
    window->startCommand();
    QElapsedTimer timer;
    timer.start();
    while (window->isRunning() && timer.elapsed() < 60000) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    QApplication::processEvents();
    return grabWindow(window);
}

QImage sensitivity(ShotContext &context)
{
    MeasuredScene scene(context.data);
    gui::PickupOptimizerWindow window(
        scene.platform, *scene.document, scene.settings, scene.window.get());
    window.show();
    window.findChild<QTabWidget *>(QStringLiteral("DesignTabs"))->setCurrentIndex(1);
    return grabWindow(&window);
}

const ShotRegistrar registrar({
    { QStringLiteral("measurements"), QStringLiteral("the Measurements window with six readings"),
        measurementsWindow },
    { QStringLiteral("table-measured"),
        QStringLiteral("the camber table with the measured and Model - Measured rows"),
        measuredTable },
    { QStringLiteral("graph-measured"), QStringLiteral("a graph with the readings as markers"),
        measuredGraph },
    { QStringLiteral("fit-model"),
        QStringLiteral("the fit finding the right upper ball joint 0.2 in higher"), fitWindow },
    { QStringLiteral("sensitivity"), QStringLiteral("the Design window's sensitivity table"),
        sensitivity },
});

} // namespace

} // namespace tarvik::screenshots
