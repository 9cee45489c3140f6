// frmGraph, the graph window; see graphwindow.h.
#include "gui/table/graphwindow.h"

#include "core/layout/maintexts.h"
#include "core/support/helptopic.h"
#include "gui/common/screenplacement.h"
#include "gui/document/settingsowner.h"
#include "gui/platform/platform.h"
#include "gui/support/helpwindow.h"
#include "gui/table/graphoptionswindow.h"
#include "gui/table/graphview.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QCloseEvent>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>

namespace tarvik::gui {

namespace {

// The pattern value every series gets when a graph is loaded.
constexpr int kLoadedPattern = 3;
// The chart is laid out at this width before it is scaled onto the page, so
// text and lines keep their screen proportions on any printer.
constexpr double kPrintLayoutWidth = 800;

struct BusyCursor
{
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

QAction *addItem(QWidget *menu, const QString &text, const char *name)
{
    auto *action = new QAction(text, menu);
    action->setObjectName(QString::fromLatin1(name));
    menu->addAction(action);
    return action;
}

} // namespace

bool printGraph(QPrinter &printer, const GraphData &graph, const GraphLook &look)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    // Landscape-shaped on any page: the graph's own proportions.
    const double width = page.width();
    const double height = std::min(page.height(), width * 0.7);
    const QRectF target(0, 0, width, height);

    QGraphicsScene scene;
    QChart *chart = makeGraphChart(graph, look);
    scene.addItem(chart); // the scene deletes it
    const QRectF layoutRect(0, 0, kPrintLayoutWidth, kPrintLayoutWidth * height / width);
    chart->setGeometry(layoutRect);
    if (chart->layout() != nullptr) {
        chart->layout()->activate();
    }
    // The chart finishes its layout, legend and point markers in posted events.
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, target, layoutRect);
    return painter.end();
}

GraphWindow::GraphWindow(Platform &platform, const DataFolder &data, SettingsOwner &settings,
    QPrinter &printer, std::function<GraphData()> reload, QWidget *parent)
    : QMainWindow(parent)
    , m_platform(platform)
    , m_data(data)
    , m_settings(settings)
    , m_printer(printer)
    , m_reload(std::move(reload))
    , m_view(new GraphView(this))
{
    setObjectName(QStringLiteral("frmGraph"));
    setWindowTitle(QStringLiteral("Graph"));
    keepOnScreen(this);
    m_view->setObjectName(QStringLiteral("Graph1"));
    setCentralWidget(m_view);

    QMenuBar *bar = menuBar();
    connect(addItem(bar, QStringLiteral("&Back"), "mnuBack"), &QAction::triggered, this,
        &QWidget::close);
    QMenu *print = bar->addMenu(QStringLiteral("&Print"));
    print->setObjectName(QStringLiteral("mnuPrint"));
    connect(addItem(print, QStringLiteral("Print &Color"), "mnuPrintColor"), &QAction::triggered,
        this, &GraphWindow::printColor);
    connect(addItem(print, QStringLiteral("Print &Black and White"), "mnuPrintBlackWhite"),
        &QAction::triggered, this, &GraphWindow::printBlackAndWhite);
    print->addSeparator();
    connect(addItem(print, QStringLiteral("Windows Printer &Setup"), "mnuPrinterSetup"),
        &QAction::triggered, this, &GraphWindow::printerSetup);
    connect(addItem(bar, QStringLiteral("&Options"), "mnuOptions"), &QAction::triggered, this,
        &GraphWindow::openOptions);
    QAction *help = addItem(bar, QStringLiteral("&Help"), "mnuHelp");
    help->setShortcut(QKeySequence::HelpContents); // F1, as in every window
    connect(help, &QAction::triggered, this, &GraphWindow::showHelp);
    resize(900, 620);
}

GraphWindow::~GraphWindow() = default;

void GraphWindow::setGraph(const GraphData &graph)
{
    m_graph = graph;
    m_look.blackBackground = graph.background != kGraphWhiteBackground;
    m_look.thickLines = graph.thickLines;
    m_look.patterns.assign(graph.series.size(), 0);
    for (std::size_t i = 0; i < graph.series.size(); ++i) {
        m_look.patterns[i] = graph.series[i].linePattern;
    }
    redraw();
}

void GraphWindow::reload()
{
    if (m_reload) {
        setGraph(m_reload());
    }
}

void GraphWindow::redraw()
{
    m_view->showGraph(m_graph, m_look);
}

bool GraphWindow::printColor()
{
    m_settings.change([](Settings &s) { s.graph.printColor = 1; });
    return print(true);
}

bool GraphWindow::printBlackAndWhite()
{
    m_settings.change([](Settings &s) { s.graph.printColor = 0; });
    return print(false);
}

bool GraphWindow::printNow()
{
    return print(m_settings.get().graph.printColor == 1);
}

bool GraphWindow::print(bool colour)
{
    const GraphOptions &options = m_settings.get().graph;
    GraphLook paper = m_look;
    paper.blackBackground = false;
    paper.border = true;
    if (colour) {
        paper.thickLines = options.thickLines == 1;
    } else {
        paper.thickLines = false;
        paper.monochrome = true;
        paper.patternedLines = true;
        for (std::size_t i = 0; i < paper.patterns.size(); ++i) {
            paper.patterns[i] = static_cast<int>(i) + 1;
        }
    }
    const PrintOutcome outcome = m_platform.printPreview(
        this, m_printer, [&](QPrinter &target) { return printGraph(target, m_graph, paper); });
    if (outcome == PrintOutcome::Cancelled) {
        return false;
    }
    const bool printed = outcome == PrintOutcome::Printed;
    if (!colour) {
        m_look.patternedLines = true;
    }

    // Back to the screen's look; patterned lines stay as the print left them.
    m_look.thickLines = options.thickLines == 1;
    for (int &pattern : m_look.patterns) {
        pattern = m_look.thickLines ? kLoadedPattern : 0;
    }
    if (colour) {
        m_look.blackBackground = options.background != kGraphWhiteBackground;
    }
    redraw();
    if (!printed) {
        m_platform.message(this, QString::fromLatin1(maintexts::kTitle),
            QStringLiteral("The printer could not be started."), MessageButtons::Ok,
            MessageIcon::Exclamation);
    }
    return printed;
}

void GraphWindow::printerSetup()
{
    // Cancelling the set-up closes it without a message.
    m_platform.printerSetup(this, m_printer);
}

void GraphWindow::openOptions()
{
    if (!m_options) {
        m_options = new GraphOptionsWindow(m_platform, m_data, m_settings, *this);
    } else {
        // Reused: show the settings as they now stand, not as when it was made.
        m_options->showSettings();
    }
    m_options->show();
    m_options->raise();
    m_options->activateWindow();
}

void GraphWindow::showHelp()
{
    auto *help = new HelpWindow(m_data.root(), kHelpGroupGraph, this);
    help->setAttribute(Qt::WA_DeleteOnClose);
    help->show();
}

void GraphWindow::closeEvent(QCloseEvent *event)
{
    if (m_options) {
        m_options->close();
    }
    QMainWindow::closeEvent(event);
}

} // namespace tarvik::gui
