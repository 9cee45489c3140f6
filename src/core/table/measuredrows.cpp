// Measured rows of the camber table and graph markers (see measuredrows.h).
#include "core/table/measuredrows.h"

#include "core/table/heatscale.h"
#include "core/text/numberreading.h"
#include "core/text/pictureformat.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace {

constexpr const char *kCellPicture = "###.00";
constexpr const char *kHeaderPicture = "##.00";

// The dive and roll of a cell: which axis is which follows RowsAreRoll.
const MeasurementRow *readingAt(
    const CamberTable &table, const MeasurementSet &measured, double rowValue, double columnValue)
{
    return table.RowsAreRoll != 0 ? measured.find(columnValue, rowValue)
                                  : measured.find(rowValue, columnValue);
}

} // namespace

MeasuredTableRows measuredTableRows(const CamberTable &table, const MeasurementSet &measured)
{
    MeasuredTableRows out;
    out.heatSpan = kMinimumHeatSpan;
    if (table.quantity != TableQuantity::Camber || !table.refusal.empty() || table.dataRows <= 0
        || !measured.hasReadings()) {
        return out;
    }
    const Units units = table.metric ? Units::Metric : Units::English;
    const TableAxis rows = rowAxis(table.spec, units);
    const TableAxis columns = columnAxis(table.spec, units);
    const auto width = static_cast<std::size_t>(table.gridColumns());
    for (int k = 0; k < table.dataRows; ++k) {
        std::array<std::vector<std::string>, 2> readingRow, differenceRow;
        std::array<std::vector<std::optional<double>>, 2> differences;
        bool any = false;
        for (int side = kSideRight; side <= kSideLeft; ++side) {
            const auto s = static_cast<std::size_t>(side);
            readingRow[s].assign(width, {});
            differenceRow[s].assign(width, {});
            differences[s].assign(width, std::nullopt);
            readingRow[s][0] = formatPicture(rows.value(k), kHeaderPicture) + " (measured)";
            differenceRow[s][0] = kModelMinusMeasured;
            for (int j = 0; j < table.dataColumns; ++j) {
                const MeasurementRow *reading
                    = readingAt(table, measured, rows.value(k), columns.value(j));
                const TableCellValues *cell = table.cellValues(k, j);
                if (!reading || !reading->camber[s] || !cell) {
                    continue;
                }
                any = true;
                const double difference = cell->camber[s] - *reading->camber[s];
                const auto c = static_cast<std::size_t>(j + 1);
                readingRow[s][c] = formatPicture(*reading->camber[s], kCellPicture);
                differenceRow[s][c] = formatPicture(difference, kCellPicture);
                differences[s][c] = difference;
                out.heatSpan = std::max(out.heatSpan, std::abs(difference));
            }
        }
        if (!any) {
            continue;
        }
        for (std::size_t s = 0; s < 2; ++s) {
            out.grids[s].push_back(std::move(readingRow[s]));
            out.grids[s].push_back(std::move(differenceRow[s]));
            out.differences[s].push_back(std::vector<std::optional<double>>(width));
            out.differences[s].push_back(std::move(differences[s]));
        }
    }
    return out;
}

void addMeasuredMarkers(GraphData &graph, const CamberTable &table, const MeasurementSet &measured)
{
    if (table.quantity != TableQuantity::Camber || graph.series.empty()) {
        return;
    }
    const std::size_t perSide = graph.series.size() / 2;
    for (std::size_t i = 0; i < graph.series.size(); ++i) {
        GraphSeries &series = graph.series[i];
        series.measured.clear();
        if (series.baseline || series.points.empty()) {
            continue;
        }
        const std::size_t side = i < perSide ? kSideRight : kSideLeft;
        for (const MeasurementRow &row : measured.rows) {
            const double rowValue = table.RowsAreRoll != 0 ? row.roll : row.dive;
            const double columnValue = table.RowsAreRoll != 0 ? row.dive : row.roll;
            if (!row.camber[side] || std::abs(rowValue - series.rowValue) > 1e-6) {
                continue;
            }
            const auto [low, high] = std::minmax_element(series.points.begin(), series.points.end(),
                [](const GraphPoint &a, const GraphPoint &b) { return a.x < b.x; });
            if (columnValue >= low->x - 1e-6 && columnValue <= high->x + 1e-6) {
                series.measured.push_back({ columnValue, *row.camber[side] });
            }
        }
    }
}

} // namespace tarvik
