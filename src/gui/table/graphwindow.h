// frmGraph, the graph window: the line graph of the selected table rows
// (GraphData from the table window's "Graph" command), its colour and
// black-and-white printing, the printer set-up and the graph options window.
//
// The old graph control kept its look between draws and prints; this window
// keeps the same state in a GraphLook: a graph loaded from the table takes
// the background and line width of the graph options and every series the
// pattern value 3; a black-and-white print turns patterned lines on for good
// (later colour prints keep them) and afterwards sets every pattern value to
// 3 for thick lines or 0 for thin; a colour print brings back the background
// of the options. The screen shows patterns only while patterned lines are on.
#pragma once

#include "gui/platform/datafolder.h"
#include "gui/table/graphchart.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class QPrinter;

namespace tarvik::gui {

class GraphOptionsWindow;
class GraphView;
class Platform;
class SettingsOwner;

// Prints a graph in a look on an already set-up printer, fitted to the page
// width, and ends the job. False when the printer could not be started.
bool printGraph(QPrinter &printer, const GraphData &graph, const GraphLook &look);

class GraphWindow : public QMainWindow
{
    Q_OBJECT
public:
    // reload runs LoadGraphFromTable again on the table window.
    GraphWindow(Platform &platform, const DataFolder &data, SettingsOwner &settings,
        QPrinter &printer, std::function<GraphData()> reload, QWidget *parent = nullptr);
    ~GraphWindow() override;

    // A graph just loaded from the table: drawn in the options' look.
    void setGraph(const GraphData &graph);
    // LoadGraphFromTable again (the options window's labels changed).
    void reload();

    // "Print Color", "Print Black and White", and the options window's
    // "Print Now" with the print mode as set; each asks the print dialog.
    bool printColor();
    bool printBlackAndWhite();
    bool printNow();
    void printerSetup(); // "Windows Printer Setup"
    void openOptions(); // "Options"

    const GraphData &graph() const { return m_graph; }
    const GraphLook &look() const { return m_look; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool print(bool colour);
    void redraw();
    void showHelp();

    Platform &m_platform;
    DataFolder m_data;
    SettingsOwner &m_settings;
    QPrinter &m_printer;
    std::function<GraphData()> m_reload;
    GraphData m_graph;
    GraphLook m_look;
    GraphView *m_view;
    QPointer<GraphOptionsWindow> m_options;
};

} // namespace tarvik::gui
