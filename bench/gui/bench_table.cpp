// BM_TableCommandToPaintedTable: from the main window's "Table & Graph" to
// the painted Camber Table, on the worked example with the largest table
// (10 dive values by 11 roll values) and the baseline shown, so each fill
// runs 110 solves and paints 31 rows a side. BM_GraphOpenToPaint: from the
// table's "Graph" command (two baseline groups over all 11 columns, eight
// series) to the painted graph window, which is closed between presses so
// each press makes it anew.
//
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another. The
// goals (medians under 50 ms and 100 ms) are read from the output, never
// asserted.
#include "core/table/cambertable.h"
#include "gui/document/layoutdocument.h"
#include "gui/document/settingsowner.h"
#include "gui/document/vehiclefolders.h"
#include "gui/mainwin/filecommands.h"
#include "gui/mainwin/mainwindow.h"
#include "gui/platform/datafolder.h"
#include "gui/platform/scriptedplatform.h"
#include "gui/table/cambertablewindow.h"
#include "gui/table/graphwindow.h"
#include "gui/table/tablewindows.h"
#include "qtbenchmain.h"

#include <QAction>
#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace tarvik;
using namespace tarvik::gui;

// The main window on the worked example with its table windows; the table
// has been seen once and closed, so the previous-table baseline matches.
struct BenchTable
{
    ScriptedPlatform platform;
    SettingsOwner settings;
    DataFolder data { QStringLiteral(TARVIK_DATA_DIR) };
    LayoutDocument document { settings, data.path(QStringLiteral("tkfiles")) };
    VehicleFolders folders;
    std::unique_ptr<TableWindows> tables;
    std::unique_ptr<MainWindow> window;
    bool ready = false;

    BenchTable()
    {
        settings.change([](Settings &s) {
            // Dive -2.25 to 2.25 by .5 and roll -5 to 5 by 1.
            s.tableSpec = { 0, "-2.25", "2.25", 2, "-5", "5", 2 };
        });
        MainWindowHooks hooks;
        hooks.openTable = [this] { tables->openTable(); };
        window = std::make_unique<MainWindow>(
            platform, data, settings, document, folders, false, std::move(hooks));
        tables = std::make_unique<TableWindows>(
            platform, data, settings, document, window.get(), std::function<void()>());
        window->show();
        QApplication::processEvents();
        if (!window->files().openFile(data.path(QStringLiteral("tkfiles/WORKED.TK")))) {
            return;
        }
        if (!open()) {
            return;
        }
        tables->tableWindow()->close();
        settings.change([](Settings &s) { s.baseline.ShowBaseline = 1; });
        ready = open() && table()->table().gridRows() == 31 && table()->table().gridColumns() == 12;
    }

    CamberTableWindow *table() const { return tables->tableWindow(); }

    // "Table & Graph", then the events until the table has filled.
    bool open()
    {
        const int before = table() != nullptr ? table()->fillCount() : 0;
        window->action(QStringLiteral("mnuTable"))->trigger();
        for (int i = 0; i < 1000 && (table() == nullptr || table()->fillCount() == before); ++i) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        return table() != nullptr && table()->fillCount() > before;
    }
};

BenchTable *g_bench = nullptr;

void BM_TableCommandToPaintedTable(benchmark::State &state)
{
    BenchTable &bench = *g_bench;
    if (!bench.ready) {
        state.SkipWithError("the 10 x 11 table with its baseline could not be opened");
        return;
    }
    for (auto _ : state) {
        if (!bench.open()) {
            state.SkipWithError("the table did not fill");
            return;
        }
        bench.table()->repaint();
    }
}
BENCHMARK(BM_TableCommandToPaintedTable)->Unit(benchmark::kMillisecond);

void BM_GraphOpenToPaint(benchmark::State &state)
{
    BenchTable &bench = *g_bench;
    if (!bench.ready) {
        state.SkipWithError("the 10 x 11 table with its baseline could not be opened");
        return;
    }
    CamberTableWindow *table = bench.table();
    QAction *graph = table->action(QStringLiteral("mnuGraph"));
    for (auto _ : state) {
        table->setSelection(kSideRight, { 1, 6, 1, 11 });
        graph->trigger();
        GraphWindow *window = nullptr;
        for (QWidget *shown : QApplication::topLevelWidgets()) {
            if (auto *g = qobject_cast<GraphWindow *>(shown); g && g->isVisible()) {
                window = g;
            }
        }
        if (window == nullptr) {
            state.SkipWithError("no graph window");
            return;
        }
        window->repaint();
        state.PauseTiming();
        window->close(); // deleted: the next press makes a new one
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_GraphOpenToPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv, g_bench);
}
