// BM_SpinToRepaint: the main window's response time to a spin-button press,
// from the press to the repainted front view. The worked example is open with
// dive and roll shown; each iteration presses the dive spin button (up, then
// down, so the value stays in range), which writes the new dive, runs the
// engine and updates results and captions, then repaints the picture at once
// instead of waiting for the event loop. BM_SpinToWindowRepaint also lets the
// event loop paint every widget the press changed.
//
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another, so
// it needs no display. The goal (median under 10 ms) is read from the
// output, never asserted.
#include "core/layout/specrecord.h"
#include "gui/document/layoutdocument.h"
#include "gui/document/settingsowner.h"
#include "gui/document/vehiclefolders.h"
#include "gui/mainwin/diverollpanel.h"
#include "gui/mainwin/filecommands.h"
#include "gui/mainwin/frontview.h"
#include "gui/mainwin/mainwindow.h"
#include "gui/platform/datafolder.h"
#include "gui/platform/scriptedplatform.h"
#include "qtbenchmain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <memory>

namespace {

using tarvik::gui::MainWindow;

// One shown main window on the shipped data, the worked example open and
// dive and roll switched on; it lives for the whole run.
struct BenchWindow
{
    tarvik::gui::ScriptedPlatform platform;
    tarvik::gui::SettingsOwner settings;
    tarvik::gui::DataFolder data { QStringLiteral(TARVIK_DATA_DIR) };
    tarvik::gui::LayoutDocument document { settings, data.path(QStringLiteral("tkfiles")) };
    tarvik::gui::VehicleFolders folders;
    std::unique_ptr<MainWindow> window;
    bool ready = false;

    BenchWindow()
    {
        window = std::make_unique<MainWindow>(platform, data, settings, document, folders, false);
        window->show();
        QApplication::processEvents();
        if (!window->files().openFile(data.path(QStringLiteral("tkfiles/WORKED.TK")))) {
            return;
        }
        window->findChild<QAbstractButton *>(QStringLiteral("ApplyYes"))->click();
        QApplication::processEvents();
        ready = document.state().applyDiveRoll && document.output().movedPass.has_value();
    }
};

// Made in main, after the application object and before it goes away.
BenchWindow *g_bench = nullptr;

void spinAndRepaint(benchmark::State &state, bool wholeWindow)
{
    BenchWindow &bench = *g_bench;
    if (!bench.ready) {
        state.SkipWithError("the worked example could not be opened with dive and roll shown");
        return;
    }
    MainWindow &window = *bench.window;
    tarvik::gui::DiveRollPanel *panel = window.findChild<tarvik::gui::DiveRollPanel *>();
    QToolButton *buttons[2] = { panel->findChild<QToolButton *>(QStringLiteral("DiveUp")),
        panel->findChild<QToolButton *>(QStringLiteral("DiveDown")) };
    // One press must change the dive; the next one takes it back.
    const QString diveBefore = panel->diveBox()->text();
    buttons[0]->click();
    const bool changed = panel->diveBox()->text() != diveBefore;
    buttons[1]->click();
    if (!changed) {
        state.SkipWithError("the spin button did not change the dive");
        return;
    }
    const int beepsBefore = bench.platform.beepCount();
    int press = 0;
    for (auto _ : state) {
        buttons[press++ % 2]->click();
        if (wholeWindow) {
            QApplication::processEvents();
        } else {
            window.findChild<QWidget *>(QStringLiteral("FrontView"))->repaint();
        }
    }
    QApplication::processEvents();
    if (bench.platform.beepCount() != beepsBefore) {
        state.SkipWithError("a spin press was refused: the dive left its range");
    }
}

void BM_SpinToRepaint(benchmark::State &state)
{
    spinAndRepaint(state, false);
}
BENCHMARK(BM_SpinToRepaint)->Unit(benchmark::kMillisecond);

void BM_SpinToWindowRepaint(benchmark::State &state)
{
    spinAndRepaint(state, true);
}
BENCHMARK(BM_SpinToWindowRepaint)->Unit(benchmark::kMillisecond);

// BM_UndoMemory1000Edits: the heap the document's undo history holds after
// 1,000 accepted edits of the worked example (each a step, with what the
// solve wrote back in its wake), read from the allocator before and after.
void BM_UndoMemory1000Edits(benchmark::State &state)
{
    BenchWindow &bench = *g_bench;
    for (auto _ : state) {
        tarvik::gui::LayoutDocument document { bench.settings, QString() };
        QString message;
        if (!document.open(bench.data.path(QStringLiteral("tkfiles/WORKED.TK")), message)) {
            state.SkipWithError("the worked example could not be opened");
            return;
        }
        const std::size_t before = mallinfo2().uordblks;
        for (int i = 0; i < 1000; ++i) {
            // Heights and X of both sides' points, each edit a new value.
            const auto row = static_cast<tarvik::PointRow>(i % 6);
            const tarvik::Entry entry = (i % 12) < 6
                ? tarvik::Entry::coordinate(tarvik::kSideRight, row, tarvik::kColumnX)
                : tarvik::Entry::coordinate(tarvik::kSideLeft, row,
                    (i / 12) % 2 ? tarvik::kColumnHeight : tarvik::kColumnX);
            document.acceptEdit(entry, QString::number(10 + (i % 50) * 0.05, 'f', 2));
        }
        const std::size_t after = mallinfo2().uordblks;
        state.counters["steps"] = double(document.undoStack().count());
        state.counters["KiB"] = double(after - before) / 1024.0;
        state.counters["bytes_per_step"]
            = double(after - before) / std::max(1, document.undoStack().count());
    }
}
BENCHMARK(BM_UndoMemory1000Edits)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv, g_bench);
}
