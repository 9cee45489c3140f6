// FillCamberTable: the dive and roll sweep behind the Camber Table window and
// `tarvik-cli table`.
//
// The sweep runs from each axis's "from" value toward its "to" value by the
// chosen increment; the grid has exactly as many data rows and columns as
// values visited. A spec bigger than 10 x 11 is refused before any cell is
// computed, because the baseline rows address a 10 x 11 array.
#include "core/table/cambertable.h"

#include "core/layout/specrecord.h"
#include "core/text/numbertext.h"
#include "core/text/pictureformat.h"

namespace tarvik {

namespace {

constexpr const char *kHeaderPicture = "##.00";
constexpr const char *kCellPicture = "###.00";

// Grid rows of data entry k: the "(new)" row, then "(base)" and "Difference".
int entryRow(int k, int groupSize)
{
    return 1 + groupSize * k;
}

void sizeGrids(CamberTable &table)
{
    const int rows = table.baselineShown ? 3 * table.dataRows + 1 : table.dataRows + 1;
    for (TableGrid &grid : table.grids) {
        grid.assign(static_cast<std::size_t>(rows),
            std::vector<std::string>(static_cast<std::size_t>(table.gridColumns())));
    }
}

void writeHeaders(
    CamberTable &table, const TableSpec &spec, const TableAxis &rows, const TableAxis &columns)
{
    const int g = table.groupSize();
    for (TableGrid &grid : table.grids) {
        grid[0][0] = cornerCaption(spec);
        for (int j = 0; j < columns.count; ++j) {
            grid[0][static_cast<std::size_t>(j + 1)]
                = formatPicture(columns.value(j), kHeaderPicture);
        }
        for (int k = 0; k < rows.count; ++k) {
            const std::string value = formatPicture(rows.value(k), kHeaderPicture);
            const auto row = static_cast<std::size_t>(entryRow(k, g));
            if (table.baselineShown) {
                grid[row][0] = value + " (new)";
                grid[row + 1][0] = value + " (base)";
                grid[row + 2][0] = "Difference";
            } else {
                grid[row][0] = value;
            }
        }
    }
}

} // namespace

std::string cornerCaption(const TableSpec &spec)
{
    return spec.rowsRoll() ? "Roll, deg" : "Dive, inches";
}

std::string columnAxisCaption(const TableSpec &spec)
{
    return spec.rowsRoll() ? "Dive, inches" : "Roll, degrees";
}

CamberTable fillCamberTable(const TableSpec &spec, const EngineInput &layout,
    const BaselineState &baseline, const EngineFunction &engine, const CellObserver &observer)
{
    CamberTable table;
    table.RowsAreRoll = spec.rowsRoll() ? 1 : 0;
    table.columnCaption = columnAxisCaption(spec);
    table.refusal = tableSpecRefusal(spec);
    if (!table.refusal.empty()) {
        return table;
    }
    if (baseline.shown()) {
        if (baselineMatches(baseline, spec)) {
            table.baselineShown = true;
        } else {
            table.baselineMismatch = baselineMismatchMessage(baseline);
        }
    }
    table.headerColumnTwips = table.baselineShown ? 1300 : 1000;

    const TableAxis rows = rowAxis(spec);
    const TableAxis columns = columnAxis(spec);
    table.dataRows = rows.count;
    table.dataColumns = columns.count;
    sizeGrids(table);
    writeHeaders(table, spec, rows, columns);

    const int rowEntry = spec.rowsRoll() ? kRollEntry : kDiveEntry;
    const int columnEntry = spec.rowsRoll() ? kDiveEntry : kRollEntry;
    EngineInput input = layout;
    input.applyDiveRoll = 1;
    input.withScene = false;
    input.withCaptions = false; // a cell reads only the cambers and the problem flags
    const int g = table.groupSize();
    for (int k = 0; k < rows.count; ++k) {
        input.entries[static_cast<std::size_t>(rowEntry)] = numberText(rows.value(k));
        const auto row = static_cast<std::size_t>(entryRow(k, g));
        for (int j = 0; j < columns.count; ++j) {
            input.entries[static_cast<std::size_t>(columnEntry)] = numberText(columns.value(j));
            const EngineOutput out = engine(input);
            if (out.layoutProblem) {
                ++table.problemCells;
            }
            if (out.showGeometryWarning) {
                ++table.warningCells;
            }
            const auto column = static_cast<std::size_t>(j + 1);
            for (int side : { kRight, kLeft }) {
                TableGrid &grid = table.grids[static_cast<std::size_t>(side)];
                const double camber = out.camber[static_cast<std::size_t>(side)];
                grid[row][column] = formatPicture(camber, kCellPicture);
                if (table.baselineShown) {
                    const std::string &base = baseline.cell(side, k, j);
                    grid[row + 1][column] = base;
                    grid[row + 2][column] = differenceText(camber, base);
                }
            }
            if (observer) {
                observer(static_cast<int>(row), static_cast<int>(column));
            }
        }
    }
    return table;
}

} // namespace tarvik
