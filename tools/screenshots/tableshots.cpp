// The camber table's pictures: the table of the worked example, the same
// table compared with a baseline taken before the upper frame pivots were
// raised an inch, and a graph of two entries with their baseline rows.
#include "core/layout/entrynumbers.h"
#include "gui/table/cambertablewindow.h"
#include "gui/table/frozengridview.h"
#include "gui/table/graphwindow.h"
#include "gui/table/tablewindows.h"
#include "shots.h"

#include <QApplication>

namespace tarvik::screenshots {

namespace {

struct TableScene : MainScene
{
    gui::TableWindows tables;

    explicit TableScene(const gui::DataFolder &folder)
        : MainScene(folder, QStringLiteral("WORKED.TK"))
        , tables(platform, data, settings, *document, window.get(), {})
    {
    }

    gui::CamberTableWindow *open()
    {
        const int before = tables.tableWindow() ? tables.tableWindow()->fillCount() : 0;
        tables.openTable();
        while (tables.tableWindow()->fillCount() == before) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        return tables.tableWindow();
    }

    // Previous-table mode: the table seen before the pivots went up an inch
    // is the baseline of the one after.
    gui::CamberTableWindow *openWithBaseline()
    {
        open()->close();
        const QString height = QStringLiteral("15");
        document->setEntries({ { pointEntry(kSideRight, kColumnHeight, kUpperFramePivot), height },
            { pointEntry(kSideLeft, kColumnHeight, kUpperFramePivot), height } });
        gui::CamberTableWindow *table = open();
        table->showBaselineData();
        return table;
    }
};

QImage table(ShotContext &context, bool baseline)
{
    TableScene scene(context.data);
    gui::CamberTableWindow *window = baseline ? scene.openWithBaseline() : scene.open();
    window->resize(window->width(), baseline ? 760 : 430);
    for (int side : { kRight, kLeft }) {
        window->grid(side)->clearSelection();
    }
    return grabWindow(window);
}

QImage graph(ShotContext &context)
{
    TableScene scene(context.data);
    gui::CamberTableWindow *window = scene.openWithBaseline();
    // The first two entries over every column: four lines a side.
    window->setSelection(kRight, { 1, 6, 1, window->table().gridColumns() - 1 });
    window->graph();
    gui::GraphWindow *graphWindow = scene.tables.graphWindow();
    graphWindow->resize(900, 600);
    return grabWindow(graphWindow);
}

const ShotRegistrar registrar({
    { QStringLiteral("table"), QStringLiteral("the camber table of the worked example"),
        [](ShotContext &c) { return table(c, false); } },
    { QStringLiteral("table-baseline"), QStringLiteral("the camber table compared with a baseline"),
        [](ShotContext &c) { return table(c, true); } },
    { QStringLiteral("graph"), QStringLiteral("a graph of two entries with their baselines"),
        graph },
});

} // namespace

} // namespace tarvik::screenshots
