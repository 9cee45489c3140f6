// The owner of the table, graph and graph options windows; see tablewindows.h.
#include "gui/table/tablewindows.h"

#include "gui/document/settingsowner.h"
#include "gui/table/cambertablewindow.h"
#include "gui/table/graphwindow.h"

#include <QApplication>
#include <QEvent>
#include <QPrinter>
#include <QTimer>
#include <QWidget>

namespace tarvik::gui {

TableWindows::TableWindows(Platform &platform, const DataFolder &data, SettingsOwner &settings,
    LayoutDocument &document, QWidget *mainWindow, std::function<void()> openTableSpecs,
    const QString &configDir, QObject *parent)
    : QObject(parent)
    , m_platform(platform)
    , m_data(data)
    , m_settings(settings)
    , m_document(document)
    , m_mainWindow(mainWindow)
    , m_openTableSpecs(std::move(openTableSpecs))
    , m_configDir(configDir)
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    if (mainWindow != nullptr) {
        mainWindow->installEventFilter(this);
    }
}

TableWindows::~TableWindows()
{
    if (m_mainWindow) {
        m_mainWindow->removeEventFilter(this);
    }
    delete m_graph;
}

void TableWindows::openTable()
{
    if (!m_table) {
        m_table = std::make_unique<CamberTableWindow>(
            m_platform, m_data, m_settings, m_document, *m_printer, m_openTableSpecs, m_configDir);
        m_table->setMeasurements(m_measurements, m_openMeasurements);
        connect(m_table.get(), &CamberTableWindow::graphRequested, this, &TableWindows::showGraph);
        connect(
            m_table.get(), &CamberTableWindow::quantityShown, this, &TableWindows::followQuantity);
    }
    m_table->requestRefill();
    m_table->show();
    m_table->raise();
    m_table->activateWindow();
    // The fill follows the window's activation; should the window manager
    // not activate it, it still fills once the window is up.
    QTimer::singleShot(0, m_table.get(), &CamberTableWindow::activated);
}

void TableWindows::setMeasurements(MeasurementOwner *owner, std::function<void()> open)
{
    m_measurements = owner;
    m_openMeasurements = std::move(open);
    if (m_table) {
        m_table->setMeasurements(m_measurements, m_openMeasurements);
    }
}

void TableWindows::showGraph(const GraphData &graph)
{
    // The command has just set the widened selection it graphed.
    m_graphSelection = m_table->selection(kSideRight);
    if (!m_graph) {
        CamberTableWindow *table = m_table.get();
        m_graph = new GraphWindow(
            m_platform, m_data, m_settings, *m_printer, [table] { return table->loadGraph(); });
        m_graph->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_graph->setGraph(graph);
    QApplication::processEvents();
    m_graph->show();
    m_graph->raise();
    m_graph->activateWindow();
}

void TableWindows::followQuantity()
{
    if (!m_graph || !m_table) {
        return;
    }
    const CamberTable &table = m_table->table();
    if (!graphSelectionFits(table, m_graphSelection)) {
        m_graph->close();
        return;
    }
    // A limit message was the "Graph" command's to give, not the View's.
    int limitShown = 1;
    m_graph->setGraph(
        loadGraphFromTable(table, m_graphSelection, m_settings.get().graph, limitShown));
}

void TableWindows::closeAll()
{
    if (m_graph) {
        m_graph->close(); // and its options window
    }
    if (m_table && m_table->isVisible()) {
        m_table->close();
    }
}

bool TableWindows::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_mainWindow && event->type() == QEvent::WindowStateChange
        && m_mainWindow->isMinimized()) {
        closeAll();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tarvik::gui
