// The camber measured on the car beside the camber table: for each row
// value of the table with a reading at any of its columns, two rows that
// the window shows below the table's own grid — the readings ("1.00
// (measured)") and "Model - Measured", the table's camber less the
// reading, coloured as the heat map colours a Difference row. Cells without
// a reading are empty. Only a camber table gets them; the roll-centre
// quantities have nothing measured.
//
// The graph takes the same readings as markers: a reading whose row value is
// that of a graphed line, at its column value, drawn over the line of its
// side (GraphSeries::measured).
#pragma once

#include "core/design/measurements.h"
#include "core/table/cambertable.h"
#include "core/table/graphdata.h"

#include <array>
#include <optional>
#include <vector>

namespace tarvik {

struct MeasuredTableRows
{
    // Per side, rows of gridColumns() texts: column 0 the caption, the data
    // columns "###.00" or "".
    std::array<TableGrid, 2> grids;
    // Per side and row, the model-minus-measured number of each data column
    // (index 0 unused) on the "Model - Measured" rows; nullopt elsewhere.
    std::array<std::vector<std::vector<std::optional<double>>>, 2> differences;
    // The colour scale's span: the largest difference, at least the heat
    // map's smallest span.
    double heatSpan = 0;
    int rowCount() const { return static_cast<int>(grids[0].size()); }
};

inline constexpr const char *kModelMinusMeasured = "Model - Measured";

MeasuredTableRows measuredTableRows(const CamberTable &table, const MeasurementSet &measured);

// Adds the readings to a graph loaded from table (loadGraphFromTable).
void addMeasuredMarkers(GraphData &graph, const CamberTable &table, const MeasurementSet &measured);

} // namespace tarvik
