// Shared set-up of the camber table tests: the worked example open in a
// shown main window with scripted dialogs, the table windows' owner on it,
// and helpers that open the table and wait for its fill as a user's "Table &
// Graph" would.
#pragma once

#include "core/layout/entrynumbers.h"
#include "core/table/cambertable.h"
#include "gui/table/cambertablewindow.h"
#include "gui/table/frozengridview.h"
#include "gui/table/graphwindow.h"
#include "gui/table/tablewindows.h"
#include "testing/mainwindowfixture.h"
#include "testing/pdffacts.h"

#include <QAction>
#include <QMenu>

namespace tarvik::gui::testing {

inline Settings tableSettings(TableSpec spec = standardTableSpec())
{
    Settings settings;
    settings.tableSpec = std::move(spec);
    settings.graph.background = 15;
    return settings;
}

// Dive from, to and increment index; roll the same; rows roll or dive.
inline TableSpec spec(const char *diveFrom, const char *diveTo, int diveInc, const char *rollFrom,
    const char *rollTo, int rollInc, int rowsAreRoll = 0)
{
    return { rowsAreRoll, diveFrom, diveTo, diveInc, rollFrom, rollTo, rollInc };
}

// The table window's widgets by their object names; side kSideRight or kSideLeft.
inline FrozenGridView *grid(const CamberTableWindow *table, int side)
{
    return child<FrozenGridView>(table, QStringLiteral("Grid1_%1").arg(side));
}
inline QLabel *sideCaption(const CamberTableWindow *table, int side)
{
    return child<QLabel>(table, QStringLiteral("Label2_%1").arg(side));
}
inline QLabel *columnCaption(const CamberTableWindow *table, int side)
{
    return child<QLabel>(table, QStringLiteral("Label1_%1").arg(side));
}

struct TableFixture : WorkedWindow
{
    TableWindows tables;

    // configDir: where the table window keeps its own files; empty keeps none.
    explicit TableFixture(const Settings &initial = tableSettings(),
        std::function<void()> openTableSpecs = {}, const QString &configDir = QString())
        : WorkedWindow(initial, false, tableHooks(this))
        , tables(platform, shippedData(), settings, *document, window.get(),
              std::move(openTableSpecs), configDir)
    {
    }

    static MainWindowHooks tableHooks(TableFixture *self)
    {
        MainWindowHooks hooks;
        hooks.openTable = [self] { self->tables.openTable(); };
        return hooks;
    }

    CamberTableWindow *table() const { return tables.tableWindow(); }
    // The graph window until it is deleted (it deletes itself once closed).
    static GraphWindow *graphWindow()
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *graph = qobject_cast<GraphWindow *>(window)) {
                return graph;
            }
        }
        return nullptr;
    }

    // The main window's "Table & Graph", then the fill that follows.
    CamberTableWindow *open()
    {
        const int before = table() != nullptr ? table()->fillCount() : 0;
        window->action(QStringLiteral("mnuTable"))->trigger();
        const bool filled = QTest::qWaitFor([&] { return table()->fillCount() > before; }, 5000);
        QTest::qVerify(filled, "table filled", "", __FILE__, __LINE__);
        QTest::qWait(20); // the rest of the activation's events
        return table();
    }

    // A "Baseline" item, chosen from its menu.
    void baseline(const char *item)
    {
        emit child<QMenu>(table(), "mnuBaseline")->aboutToShow();
        table()->action(QString::fromLatin1(item))->trigger();
        QApplication::processEvents();
    }

    // The first table closed, so it is the previous one, and the next shown
    // with it as its baseline.
    void showPreviousBaseline()
    {
        open()->close();
        open();
        baseline("mnuShowBaseline");
    }

    // Both upper frame pivots raised an inch: a layout change every cell feels.
    void raisePivots()
    {
        document->setEntries({ { Entry::coordinate(kSideRight, kUpperFramePivot, kColumnHeight),
                                   QStringLiteral("15") },
            { Entry::coordinate(kSideLeft, kUpperFramePivot, kColumnHeight),
                QStringLiteral("15") } });
    }

    // The table's Print, with a report comment, to a PDF file; its text read back.
    QString printReport(const QString &pdf, const QString &comment = QString())
    {
        platform.answerInput(comment);
        answerPrintToPdf(platform, pdf);
        table()->action(QStringLiteral("mnuPrint"))->trigger();
        return pdfText(pdf);
    }

    const BaselineState &baselineState() const { return settings.get().baseline; }

    // Grid text, as the model shows it.
    QString cell(int side, int row, int column) const
    {
        const QAbstractItemModel *model = grid(table(), side)->model();
        return model->data(model->index(row, column)).toString();
    }
    QStringList rowHeaders(int side = kSideRight) const
    {
        QStringList headers;
        const QAbstractItemModel *model = grid(table(), side)->model();
        for (int r = 1; r < model->rowCount(); ++r) {
            headers << model->data(model->index(r, 0)).toString();
        }
        return headers;
    }
};

} // namespace tarvik::gui::testing
