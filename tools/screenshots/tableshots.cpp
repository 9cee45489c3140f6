// The camber table's pictures: the table of the worked example, the same
// table compared with a baseline taken before the upper frame pivots were
// raised an inch (plain, and heat-mapped with its legend and the selection a
// fill leaves), the roll-centre height table, and a graph of two entries
// with their baseline rows.
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
        document->setEntries(
            { { Entry::coordinate(kSideRight, kUpperFramePivot, kColumnHeight), height },
                { Entry::coordinate(kSideLeft, kUpperFramePivot, kColumnHeight), height } });
        gui::CamberTableWindow *table = open();
        table->showBaselineData();
        return table;
    }
};

QImage grabTable(gui::CamberTableWindow *window, int height, bool selected = false)
{
    window->resize(window->width(), height);
    for (int side : { kSideRight, kSideLeft }) {
        if (!selected) {
            window->findChild<gui::FrozenGridView *>(QStringLiteral("Grid1_%1").arg(side))
                ->clearSelection();
        }
    }
    return grabWindow(window);
}

QImage table(ShotContext &context, bool baseline)
{
    TableScene scene(context.data);
    gui::CamberTableWindow *window = baseline ? scene.openWithBaseline() : scene.open();
    // The plain rows first; the heat map has a picture of its own.
    window->setHeatMap(false);
    return grabTable(window, baseline ? 760 : 430);
}

QImage heatMap(ShotContext &context)
{
    TableScene scene(context.data);
    gui::CamberTableWindow *window = scene.openWithBaseline();
    window->setHeatMap(true);
    // Every cell selected, as a fill leaves the table: the colours show through.
    return grabTable(window, 790, true);
}

QImage rollCenterHeight(ShotContext &context)
{
    TableScene scene(context.data);
    gui::CamberTableWindow *window = scene.open();
    window->showQuantity(TableQuantity::RollCenterHeight);
    return grabTable(window, 260);
}

QImage graph(ShotContext &context)
{
    TableScene scene(context.data);
    gui::CamberTableWindow *window = scene.openWithBaseline();
    // The first two entries over every column: four lines a side.
    window->setSelection(kSideRight, { 1, 6, 1, window->table().gridColumns() - 1 });
    window->graph();
    gui::GraphWindow *graphWindow = nullptr;
    for (QWidget *shown : QApplication::topLevelWidgets()) {
        if (auto *graph = qobject_cast<gui::GraphWindow *>(shown); graph && graph->isVisible()) {
            graphWindow = graph;
        }
    }
    graphWindow->resize(900, 600);
    return grabWindow(graphWindow);
}

const ShotRegistrar registrar({
    { QStringLiteral("table"), QStringLiteral("the camber table of the worked example"),
        [](ShotContext &c) { return table(c, false); } },
    { QStringLiteral("table-baseline"), QStringLiteral("the camber table compared with a baseline"),
        [](ShotContext &c) { return table(c, true); } },
    { QStringLiteral("table-heatmap"),
        QStringLiteral("the camber differences heat-mapped, with the legend"), heatMap },
    { QStringLiteral("table-rc-height"), QStringLiteral("the roll-centre height table"),
        rollCenterHeight },
    { QStringLiteral("graph"), QStringLiteral("a graph of two entries with their baselines"),
        graph },
});

} // namespace

} // namespace tarvik::screenshots
