// The Camber Table window's two grids: filled from the table, the heat map
// and its legend, the notes about stored baselines, and the selections a
// graph is drawn from; see cambertablewindow.h.
#include "core/layout/maintexts.h"
#include "gui/design/measurementowner.h"
#include "gui/platform/platform.h"
#include "gui/table/cambertablemodel.h"
#include "gui/table/cambertablewindow.h"
#include "gui/table/frozengridview.h"
#include "gui/table/heatlegendbar.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLayout>
#include <QScrollBar>
#include <QSignalBlocker>
#include <limits>

namespace tarvik::gui {

namespace {

// The grid control measured its columns in twips, 15 to a pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int kDataColumnTwips = 960;

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

void CamberTableWindow::showGrids(const CamberTable &table)
{
    // A roll-centre table shows its one grid, as the printed report does.
    const bool perSide = tableQuantityPerSide(table.quantity);
    m_sideCaptions[kSideRight]->setText(
        perSide ? QStringLiteral(" Right") : QStringLiteral(" Right & Left"));
    const int headerWidth = headerColumnWidth(table);
    int gridWidth = 0;
    for (std::size_t s = 0; s < 2; ++s) {
        m_models[s]->setTable(&table);
        m_grids[s]->setColumnWidths(headerWidth, kDataColumnTwips / kTwipsPerPixel);
        gridWidth = qMax(gridWidth,
            m_grids[s]->fullWidth() + m_grids[s]->verticalScrollBar()->sizeHint().width());
        m_sideCaptions[s]->setFixedWidth(headerWidth);
        m_columnCaptions[s]->setText(qs(table.columnCaption));
        // The fill leaves the whole data area selected, as the grid control
        // did after clearing it; a graph then shows the whole table.
        setSelection(static_cast<int>(s), { 1, table.gridRows() - 1, 1, table.gridColumns() - 1 });
    }
    for (QWidget *lower : { static_cast<QWidget *>(m_sideCaptions[kSideLeft]),
             static_cast<QWidget *>(m_columnCaptions[kSideLeft]),
             static_cast<QWidget *>(m_grids[kSideLeft]) }) {
        lower->setVisible(perSide);
    }
    // A wider table widens the window to show all its columns; a
    // narrower one leaves the size the user gave it.
    const QMargins margins = centralWidget()->layout()->contentsMargins();
    const int wanted = gridWidth + margins.left() + margins.right();
    if (width() < wanted) {
        resize(wanted, height());
    }
}

void CamberTableWindow::showHeatMap()
{
    const bool on = m_options.heatMap();
    for (CamberTableModel *model : m_models) {
        model->setHeatMap(on);
    }
    const CamberTable &table = m_session.table();
    m_legend->setLegend(m_models[kSideRight]->heatSpan(),
        qs(std::string(tableQuantityUnit(table.quantity, table.metric))));
    m_legend->setVisible(on && table.baselineShown);
}

void CamberTableWindow::showNotes()
{
    // A stored baseline that could not be read: said once, over the first table.
    if (m_fills == 0) {
        return;
    }
    for (const QString &note : m_quantityBaselines.takeReadNotes()) {
        m_platform.message(this, QString::fromLatin1(maintexts::kTitle), note, MessageButtons::Ok,
            MessageIcon::Exclamation);
    }
}

void CamberTableWindow::setHeatMap(bool on)
{
    if (on != m_options.heatMap()) {
        m_options.setHeatMap(on);
    }
    if (QAction *item = action(QStringLiteral("mnuHeatMap")); item->isChecked() != on) {
        const QSignalBlocker quiet(item);
        item->setChecked(on);
    }
    showHeatMap();
}

int CamberTableWindow::headerColumnWidth(const CamberTable &table) const
{
    // The grid control's width in twips; wider only where this screen's font
    // would cut a label of the column short ("Dive, inches" in the corner)
    // or the side caption above it.
    int width = table.headerColumnTwips / kTwipsPerPixel;
    const QFontMetrics metrics(m_grids[kSideRight]->font());
    for (const std::vector<std::string> &row : table.grids[kSideRight]) {
        if (!row.empty()) {
            width = qMax(width, metrics.horizontalAdvance(qs(row.front())) + 12);
        }
    }
    if (m_measurements && m_measurements->get().hasReadings()) {
        width = qMax(width, metrics.horizontalAdvance(QStringLiteral("-00.00 (measured)")) + 12);
    }
    const QLabel *caption = m_sideCaptions[kSideRight];
    return qMax(width, QFontMetrics(caption->font()).horizontalAdvance(caption->text()) + 12);
}

GridSelection CamberTableWindow::selection(int side) const
{
    const QItemSelection selected = m_grids[std::size_t(side)]->selectionModel()->selection();
    GridSelection s;
    if (selected.isEmpty()) {
        return s;
    }
    s.firstRow = s.firstColumn = std::numeric_limits<int>::max();
    s.lastRow = s.lastColumn = 0;
    for (const QItemSelectionRange &range : selected) {
        s.firstRow = qMin(s.firstRow, range.top());
        s.lastRow = qMax(s.lastRow, range.bottom());
        s.firstColumn = qMin(s.firstColumn, range.left());
        s.lastColumn = qMax(s.lastColumn, range.right());
    }
    // A drag that ran into the fixed row or column selects only data cells.
    s.firstRow = qMax(s.firstRow, 1);
    s.firstColumn = qMax(s.firstColumn, 1);
    s.lastRow = qMax(s.lastRow, s.firstRow);
    s.lastColumn = qMax(s.lastColumn, s.firstColumn);
    return s;
}

void CamberTableWindow::setSelection(int side, const GridSelection &selection)
{
    FrozenGridView *grid = m_grids[std::size_t(side)];
    QAbstractItemModel *model = grid->model();
    const QModelIndex topLeft = model->index(selection.firstRow, selection.firstColumn);
    const QModelIndex bottomRight = model->index(selection.lastRow, selection.lastColumn);
    if (!topLeft.isValid() || !bottomRight.isValid()) {
        return;
    }
    m_settingSelection = true;
    grid->selectionModel()->select(
        QItemSelection(topLeft, bottomRight), QItemSelectionModel::ClearAndSelect);
    m_settingSelection = false;
}

void CamberTableWindow::widenRightSelection()
{
    // ExtendGridSelection after every selection change in either grid; it
    // acts on the right grid's selection only, and only once the user made one.
    if (m_settingSelection || !table().baselineShown
        || !m_grids[kSideRight]->selectionModel()->hasSelection()) {
        return;
    }
    const GridSelection current = selection(kSideRight);
    const GridSelection widened = extendGridSelection(table(), current);
    if (widened != current) {
        setSelection(kSideRight, widened);
    }
}

} // namespace tarvik::gui
