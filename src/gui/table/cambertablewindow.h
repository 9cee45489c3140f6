// frmGrid, the Camber Table window: the camber of the right wheel (upper
// grid) and the left wheel (lower grid) over the dive and roll values of the
// table spec, with the baseline rows when the baseline is shown.
//
// The window only asks and shows. The rules are the core's: the session
// (CamberTableSession) keeps the activation rule, TableNeedsRefill, the
// baseline spec check and the copy into the baseline when the window closes;
// BaselineMenu runs the "Baseline" items; graphCommand and
// loadGraphFromTable turn the selection into graph data; layoutTableReport
// lays out the printed table. The program-wide TableSpec and baseline live in
// the settings owner: every command works on a copy taken from it and hands
// a changed baseline back, so the exit path writes what the window did.
//
// The sweep builds the engine input from the layout document and the
// settings (buildEngineInput) and never touches the main window's widgets or
// the document's record; after each fill the main window is redrawn once.
//
// The "View" switch above the grids shows camber or the moved roll centre's
// height or lateral position, all from the numbers of the last sweep. Each
// has its own baseline: camber's in the settings file, the roll centre's in
// the user's configuration folder (QuantityBaselines); the Baseline menu,
// Graph, Print and Export CSV work on the quantity shown. A roll-centre
// table shows its grid once ("Right & Left"): both grids hold the same roll
// centre. Options > Heat-Map Differences colours the difference cells, with
// a legend under the grids; the choice is kept in the configuration folder
// (TableOptions).
#pragma once

#include "core/table/baselinemenu.h"
#include "core/table/cambertablesession.h"
#include "core/table/graphdata.h"
#include "gui/platform/datafolder.h"
#include "gui/table/platformtabledialogs.h"
#include "gui/table/quantitybaselines.h"
#include "gui/table/tableoptions.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QMenu;
class QPrinter;

namespace tarvik::gui {

class CamberTableModel;
class FrozenGridView;
class HeatLegendBar;
class LayoutDocument;
class MeasurementOwner;
class Platform;
class SettingsOwner;

class CamberTableWindow : public QMainWindow
{
    Q_OBJECT
public:
    // openTableSpecs opens the calculation window in its table-spec mode;
    // when it is empty the "Specs for Table Rows & Columns" item is disabled.
    // printer is the program's printer for the table report. configDir
    // keeps the roll-centre baselines and the window's options; empty keeps
    // nothing across runs.
    CamberTableWindow(Platform &platform, const DataFolder &data, SettingsOwner &settings,
        LayoutDocument &document, QPrinter &printer, std::function<void()> openTableSpecs,
        const QString &configDir = QString(), QWidget *parent = nullptr);
    ~CamberTableWindow() override;

    // "Table & Graph": TableNeedsRefill := 1; the next activation fills.
    void requestRefill();
    // The activation rule: fills when the spec changed or a refill is due.
    void activated();

    // The "Baseline" menu items.
    void showBaselineData() { runBaselineItem(BaselineItem::ShowBaselineData); }
    void hideBaselineData() { runBaselineItem(BaselineItem::HideBaselineData); }
    void baselineComment() { runBaselineItem(BaselineItem::BaselineComment); }
    void previousTableIsBaseline() { runBaselineItem(BaselineItem::PreviousTableIsBaseline); }
    void savedTableIsBaseline() { runBaselineItem(BaselineItem::SavedTableIsBaseline); }
    void saveThisDataAsBaseline() { runBaselineItem(BaselineItem::SaveThisDataAsBaseline); }
    // "Print": the report comment, the print dialog, the report.
    void printReport();
    // "Export CSV": the shown table in a file the user names.
    void exportCsv();
    // The "View" switch: what the grids show, without a new sweep.
    void showQuantity(TableQuantity quantity);
    TableQuantity quantity() const { return m_session.quantity(); }
    // "Heat-Map Differences", kept in the configuration folder.
    void setHeatMap(bool on);
    bool heatMap() const { return m_options.heatMap(); }
    // "Specs for Table Rows & Columns" and "Help".
    void openTableSpecs();
    void showHelp();
    // "Graph": widen and check the selection, then hand the graph data on.
    void graph();
    // LoadGraphFromTable again for the open graph (the options window's
    // reload), with a limit message only if none was shown since "Graph".
    GraphData loadGraph();

    // The readings on the car, shown below the grids and as graph markers
    // (cambertablemeasured.cpp); open: "Measurements...".
    void setMeasurements(MeasurementOwner *owner, std::function<void()> open);
    void openMeasurements();

    const CamberTable &table() const { return m_session.table(); }
    int fillCount() const { return m_fills; }
    // The baseline of the quantity shown.
    const BaselineState &shownBaseline() const;
    // Where a roll-centre quantity's baseline is kept (empty without a folder).
    QString baselineFilePath(TableQuantity quantity) const;
    QAction *action(const QString &objectName) const;

    // A grid's selection in grid rows and columns (row 0 and column 0 are the
    // fixed cells); the first data cell when nothing is selected.
    GridSelection selection(int side) const;
    void setSelection(int side, const GridSelection &selection);

signals:
    // The "Graph" command passed its checks: show this graph.
    void graphRequested(const tarvik::GraphData &graph);
    // The View switch changed what the grids show.
    void quantityShown();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QLayout *buildQuantityRow(QWidget *central);
    // Runs one command on copies of the program-wide spec and baseline,
    // hands a changed baseline back and shows a table filled meanwhile.
    // Commands do not nest: a dialog of one cannot start another.
    template <class Command> void run(Command &&command);
    // A "Baseline" item: its notes and questions, then its changes.
    void runBaselineItem(BaselineItem item);
    CamberTable sweep(const TableSpec &spec, const BaselineState &baseline);
    void showTable();
    void showGrids(const CamberTable &table);
    void showHeatMap();
    void showNotes();
    int headerColumnWidth(const CamberTable &table) const;
    void widenRightSelection();
    void addMeasuredMarkers(GraphData &graph) const;

    Platform &m_platform;
    DataFolder m_data;
    SettingsOwner &m_settings;
    LayoutDocument &m_document;
    QPrinter &m_printer;
    std::function<void()> m_openTableSpecs;

    TableOptions m_options;
    QuantityBaselines m_quantityBaselines;
    TableSpec m_spec; // copies the session reads and changes
    BaselineState m_baseline;
    PlatformTableDialogs m_dialogs;
    CamberTableSession m_session;
    BaselineMenu m_baselineCommands;

    int m_fills = 0;
    int m_tableVersion = 0; // counts the session's new tables: fills and switches
    int m_shownVersion = -1;
    bool m_busy = false;
    bool m_warningDue = false;
    bool m_settingSelection = false;
    int m_limitMessageFlag = 0;

    MeasurementOwner *m_measurements = nullptr;
    std::function<void()> m_openMeasurements;

    std::array<CamberTableModel *, 2> m_models {};
    std::array<FrozenGridView *, 2> m_grids {};
    std::array<QLabel *, 2> m_sideCaptions {};
    std::array<QLabel *, 2> m_columnCaptions {};
    QMenu *m_baselineMenu = nullptr;
    QComboBox *m_quantityBox = nullptr;
    QLabel *m_quantityCaption = nullptr;
    HeatLegendBar *m_legend = nullptr;
};

} // namespace tarvik::gui
