// One grid of the Camber Table window as an item model: the cells of one side
// of the core's CamberTable, exactly as the sweep wrote them. Row 0 (the
// column values, with the corner caption) and column 0 (the row values and
// the "(new)", "(base)" and "Difference" labels) are model cells like the
// rest, so model rows and columns are the grid's own rows and columns and a
// selection reads back in the grid coordinates the graph rules use. No text
// is made here: the model only shows what the table holds.
//
// The readings on the car add rows below the grid (measuredrows.h); their
// "Model - Measured" cells are always coloured on the heat scale.
//
// With the heat map on, the data cells of "Difference" rows carry their
// heat-scale colour as their background (and a readable text colour), on
// the scale of the whole table's span, so both grids use the same colours.
#pragma once

#include "core/design/measurements.h"
#include "core/table/heatscale.h"
#include "core/table/measuredrows.h"

#include <QAbstractTableModel>
#include <optional>

namespace tarvik::gui {

class CamberTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // side: kSideRight (the upper grid) or kSideLeft.
    explicit CamberTableModel(int side, QObject *parent = nullptr);

    // The table to show; it must outlive the model or be replaced first.
    // Call again after the table was filled anew: the views reset once.
    void setTable(const CamberTable *table);
    // The readings on the car (or nullptr): for each row value with a
    // reading, a "(measured)" row and a "Model - Measured" row below the
    // table's grid, which take part in no selection. The set must outlive
    // the model or be replaced first; call again after it changed.
    void setMeasurements(const MeasurementSet *measured);
    int measuredRowCount() const { return m_measuredRows.rowCount(); }
    int side() const { return m_side; }
    void setHeatMap(bool on);
    bool heatMap() const { return m_heatMap; }
    // The span the colours saturate at (tableHeatSpan of the table).
    double heatSpan() const { return m_heatSpan; }

    // Row 0 and column 0 are the fixed header cells.
    static bool isHeaderCell(const QModelIndex &index);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    std::optional<HeatColor> heatColor(const QModelIndex &index) const;

    const QVariant measuredData(int row, int column, int role) const;

    int m_side;
    const MeasurementSet *m_measured = nullptr;
    MeasuredTableRows m_measuredRows;
    const CamberTable *m_table = nullptr;
    bool m_heatMap = false;
    double m_heatSpan = kMinimumHeatSpan;
};

} // namespace tarvik::gui
