// The item model over one side of the camber table; see cambertablemodel.h.
#include "gui/table/cambertablemodel.h"

#include "core/table/cambertable.h"
#include "gui/table/heatcolors.h"

#include <QApplication>
#include <QBrush>
#include <QPalette>

namespace tarvik::gui {

CamberTableModel::CamberTableModel(int side, QObject *parent)
    : QAbstractTableModel(parent)
    , m_side(side == kSideLeft ? kSideLeft : kSideRight)
{
}

void CamberTableModel::setTable(const CamberTable *table)
{
    beginResetModel();
    m_table = table;
    m_heatSpan = table != nullptr ? tableHeatSpan(*table) : kMinimumHeatSpan;
    m_measuredRows = table != nullptr && m_measured != nullptr
        ? measuredTableRows(*table, *m_measured)
        : MeasuredTableRows {};
    endResetModel();
}

void CamberTableModel::setMeasurements(const MeasurementSet *measured)
{
    m_measured = measured;
    setTable(m_table);
}

const QVariant CamberTableModel::measuredData(int row, int column, int role) const
{
    const auto s = static_cast<std::size_t>(m_side);
    const auto r = static_cast<std::size_t>(row);
    const auto c = static_cast<std::size_t>(column);
    const std::optional<double> difference = m_measuredRows.differences[s][r][c];
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(m_measuredRows.grids[s][r][c]);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            Qt::AlignVCenter | (column == 0 ? Qt::AlignLeft : Qt::AlignRight));
    case Qt::BackgroundRole:
        if (column == 0) {
            return QApplication::palette().brush(QPalette::Button);
        }
        if (difference) {
            return QBrush(heatQColor(tarvik::heatColor(*difference, m_measuredRows.heatSpan)));
        }
        return {};
    case Qt::ForegroundRole:
        if (difference) {
            return QBrush(heatInk(tarvik::heatColor(*difference, m_measuredRows.heatSpan)));
        }
        return {};
    default:
        return {};
    }
}

void CamberTableModel::setHeatMap(bool on)
{
    if (on == m_heatMap) {
        return;
    }
    m_heatMap = on;
    if (rowCount() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
            { Qt::BackgroundRole, Qt::ForegroundRole });
    }
}

std::optional<HeatColor> CamberTableModel::heatColor(const QModelIndex &index) const
{
    if (!m_heatMap || m_table == nullptr) {
        return std::nullopt;
    }
    return differenceCellColor(*m_table, m_side, index.row(), index.column(), m_heatSpan);
}

bool CamberTableModel::isHeaderCell(const QModelIndex &index)
{
    return index.row() == 0 || index.column() == 0;
}

int CamberTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || m_table == nullptr) {
        return 0;
    }
    return static_cast<int>(m_table->grids[static_cast<std::size_t>(m_side)].size())
        + m_measuredRows.rowCount();
}

int CamberTableModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || m_table == nullptr) {
        return 0;
    }
    const TableGrid &grid = m_table->grids[static_cast<std::size_t>(m_side)];
    return grid.empty() ? 0 : static_cast<int>(grid.front().size());
}

QVariant CamberTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || m_table == nullptr || index.row() >= rowCount()
        || index.column() >= columnCount()) {
        return {};
    }
    const int tableRows = m_table->gridRows();
    if (index.row() >= tableRows) {
        return measuredData(index.row() - tableRows, index.column(), role);
    }
    switch (role) {
    case Qt::DisplayRole: {
        const TableGrid &grid = m_table->grids[static_cast<std::size_t>(m_side)];
        return QString::fromStdString(
            grid[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())]);
    }
    case Qt::TextAlignmentRole:
        // Row labels read from the left; numbers line up on their decimal point.
        return QVariant::fromValue(
            Qt::AlignVCenter | (index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight));
    case Qt::BackgroundRole:
        if (isHeaderCell(index)) {
            return QApplication::palette().brush(QPalette::Button);
        }
        if (const std::optional<HeatColor> color = heatColor(index)) {
            return QBrush(heatQColor(*color));
        }
        return {};
    case Qt::ForegroundRole:
        if (const std::optional<HeatColor> color = heatColor(index)) {
            return QBrush(heatInk(*color));
        }
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags CamberTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    // The fixed row and column are labels: they take part in no selection.
    if (isHeaderCell(index) || (m_table != nullptr && index.row() >= m_table->gridRows())) {
        return Qt::ItemIsEnabled;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace tarvik::gui
