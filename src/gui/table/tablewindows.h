// The owner of the camber table's windows: the Camber Table window, the
// graph window (with its options window) and the printer they share. The
// main window's "Table & Graph" calls openTable(); start-up makes one owner
// and hands it the way to the calculation window's table-spec mode.
//
// When the main window is minimised the table, graph and graph options
// windows close (the table's close runs its baseline rule). closeAll() does
// the same on the way out of the program, before the settings are written,
// so a table still open at exit is the "previous table" of the next run.
//
// An open graph follows the table's View: when the table shows another
// quantity the graph is loaded again from the selection it was drawn from,
// or closes when that selection no longer fits the table.
#pragma once

#include "core/table/graphdata.h"
#include "gui/platform/datafolder.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace tarvik::gui {

class CamberTableWindow;
class GraphWindow;
class LayoutDocument;
class MeasurementOwner;
class Platform;
class SettingsOwner;

class TableWindows : public QObject
{
    Q_OBJECT
public:
    // mainWindow: watched for minimising; openTableSpecs: opens the
    // calculation window in its table-spec mode, or empty when there is none;
    // configDir: the user's configuration folder, where the table window
    // keeps its own files (empty: nothing is kept).
    TableWindows(Platform &platform, const DataFolder &data, SettingsOwner &settings,
        LayoutDocument &document, QWidget *mainWindow, std::function<void()> openTableSpecs,
        const QString &configDir = QString(), QObject *parent = nullptr);
    ~TableWindows() override;

    // "Table & Graph": TableNeedsRefill := 1, then the window is shown (not
    // modal) and fills itself as it is activated.
    void openTable();
    void closeAll();
    // The readings on the car the table shows, and the way to their window.
    void setMeasurements(MeasurementOwner *owner, std::function<void()> open);

    CamberTableWindow *tableWindow() const { return m_table.get(); }
    QPrinter &printer() { return *m_printer; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showGraph(const GraphData &graph);
    void followQuantity();

    Platform &m_platform;
    DataFolder m_data;
    SettingsOwner &m_settings;
    LayoutDocument &m_document;
    QPointer<QWidget> m_mainWindow;
    std::function<void()> m_openTableSpecs;
    QString m_configDir;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<CamberTableWindow> m_table;
    QPointer<GraphWindow> m_graph;
    MeasurementOwner *m_measurements = nullptr;
    std::function<void()> m_openMeasurements;
    GridSelection m_graphSelection; // the right grid's, when the graph was drawn
};

} // namespace tarvik::gui
