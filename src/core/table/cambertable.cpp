// FillCamberTable: the dive and roll sweep behind the Camber Table window and
// `tarvik-cli table`.
//
// The sweep runs from each axis's "from" value toward its "to" value by the
// chosen increment; the grid has exactly as many data rows and columns as
// values visited. A spec bigger than 10 x 11 is refused before any cell is
// computed, because the baseline rows address a 10 x 11 array.
#include "core/table/cambertable.h"

#include "core/geometry/layoutnumbers.h"
#include "core/layout/specrecord.h"
#include "core/layout/units.h"
#include "core/text/numberreading.h"
#include "core/text/numbertext.h"
#include "core/text/pictureformat.h"

namespace tarvik {

namespace {

constexpr const char *kHeaderPicture = "##.00";
constexpr const char *kCellPicture = "###.00";

const char *diveCaption(bool metric)
{
    return metric ? "Dive, mm" : "Dive, inches";
}

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
        grid[0][0] = cornerCaption(spec, table.metric);
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

// The numbers of one cell. The engine always gives a moved pass when dive
// and roll are applied; an engine without one (a stand-in) has not moved the
// car, so its roll centre is the static one.
TableCellValues valuesOf(const std::array<double, 2> &camber, const LayoutPoint &rc)
{
    TableCellValues cell;
    cell.camber = camber;
    cell.rollCenterHeight = static_cast<double>(rc.y);
    cell.rollCenterLateral = static_cast<double>(rc.x); // layout x: positive toward the left
    return cell;
}

// A cell's numbers and flags, from the engine given or from the numbers
// alone (no captions, write-backs or scene).
struct CellResult
{
    TableCellValues values;
    bool layoutProblem = false;
    bool showGeometryWarning = false;
};

CellResult solveCell(const EngineInput &input, const LayoutPasses &passes, LayoutNumbers &out,
    const EngineFunction &engine)
{
    if (engine) {
        const EngineOutput given = engine(input);
        const LayoutPoint &rc
            = given.movedPass ? given.movedPass->rollCenter : given.staticPass.rollCenter;
        return { valuesOf(given.camber, rc), given.layoutProblem, given.showGeometryWarning };
    }
    passes.solve(out);
    toLayoutUnits(out, input.units);
    const LayoutPoint &rc = out.moved ? out.movedPass.rollCenter : out.staticPass.rollCenter;
    return { valuesOf(out.camber, rc), out.layoutProblem, out.showGeometryWarning };
}

// Everything but the data cells: the spec check of a shown baseline, the
// grid sizes and the header texts. False when the spec is refused.
bool prepareTable(CamberTable &table, TableQuantity quantity, const TableSpec &spec,
    const BaselineState &baseline)
{
    table.quantity = quantity;
    table.spec = spec;
    table.RowsAreRoll = spec.rowsRoll() ? 1 : 0;
    table.columnCaption = columnAxisCaption(spec, table.metric);
    table.refusal = tableSpecRefusal(spec, table.metric ? Units::Metric : Units::English);
    if (!table.refusal.empty()) {
        return false;
    }
    if (baseline.shown()) {
        if (baselineMatches(baseline, spec)) {
            table.baselineShown = true;
        } else {
            table.baselineMismatch = baselineMismatchMessage(baseline);
        }
    }
    table.headerColumnTwips = table.baselineShown ? 1300 : 1000;

    const Units units = table.metric ? Units::Metric : Units::English;
    const TableAxis rows = rowAxis(spec, units);
    const TableAxis columns = columnAxis(spec, units);
    table.dataRows = rows.count;
    table.dataColumns = columns.count;
    sizeGrids(table);
    writeHeaders(table, spec, rows, columns);
    return true;
}

// The data cells of entry k, column j in both grids: the value, and with the
// baseline shown the stored base text and the difference.
void writeCell(
    CamberTable &table, int k, int j, const TableCellValues &cell, const BaselineState &baseline)
{
    const auto row = static_cast<std::size_t>(entryRow(k, table.groupSize()));
    const auto column = static_cast<std::size_t>(j + 1);
    const bool perSide = tableQuantityPerSide(table.quantity);
    for (int side : { kSideRight, kSideLeft }) {
        TableGrid &grid = table.grids[static_cast<std::size_t>(side)];
        const double value = quantityValue(cell, table.quantity, side);
        if (perSide || side == kSideRight) {
            grid[row][column] = formatPicture(value, kCellPicture);
        } else {
            grid[row][column]
                = table.grids[kSideRight][row][column]; // one roll centre, shown twice
        }
        if (table.baselineShown) {
            const std::string &base = baseline.cell(side, k, j);
            grid[row + 1][column] = base;
            grid[row + 2][column] = differenceText(value, base);
        }
    }
}

} // namespace

std::string cornerCaption(const TableSpec &spec, bool metric)
{
    return spec.rowsRoll() ? "Roll, deg" : diveCaption(metric);
}

std::string columnAxisCaption(const TableSpec &spec, bool metric)
{
    return spec.rowsRoll() ? diveCaption(metric) : "Roll, degrees";
}

std::string rowAxisCaption(const TableSpec &spec, bool metric)
{
    return spec.rowsRoll() ? "Roll, degrees" : diveCaption(metric);
}

const TableCellValues *CamberTable::cellValues(int dataRow, int dataColumn) const
{
    if (dataRow < 0 || dataRow >= dataRows || dataColumn < 0 || dataColumn >= dataColumns) {
        return nullptr;
    }
    const auto at = static_cast<std::size_t>(dataRow) * static_cast<std::size_t>(dataColumns)
        + static_cast<std::size_t>(dataColumn);
    return at < values.size() ? &values[at] : nullptr;
}

CamberTable fillCamberTable(const TableSpec &spec, const EngineInput &layout,
    const BaselineState &baseline, const EngineFunction &engine, const CellObserver &observer)
{
    return fillQuantityTable(TableQuantity::Camber, spec, layout, baseline, engine, observer);
}

CamberTable fillQuantityTable(TableQuantity quantity, const TableSpec &spec,
    const EngineInput &layout, const BaselineState &baseline, const EngineFunction &engine,
    const CellObserver &observer)
{
    CamberTable table;
    table.metric = layout.units == Units::Metric;
    if (!prepareTable(table, quantity, spec, baseline)) {
        return table;
    }
    const TableAxis rows = rowAxis(spec, layout.units);
    const TableAxis columns = columnAxis(spec, layout.units);
    const Entry rowEntry = spec.rowsRoll() ? Entry::roll() : Entry::dive();
    const Entry columnEntry = spec.rowsRoll() ? Entry::dive() : Entry::roll();
    EngineInput input = layout;
    input.applyDiveRoll = true;
    input.withScene = false;
    input.withCaptions = false; // a cell reads only numbers and the problem flags
    table.values.reserve(static_cast<std::size_t>(rows.count * columns.count));
    // The layout's texts are read once; each cell gives only its dive and
    // roll texts, as the boxes would hold them.
    LayoutInputs numbers(input.entries, input.units);
    NumbersRequest request;
    request.suspensionType = input.suspensionType;
    request.entryMode
        = input.suspensionType == SuspensionType::Strut ? EntryMode::XAndHeight : input.entryMode;
    request.diveRoll = true;
    if (input.gainSpecChoice != 0) {
        request.gainDive
            = readNumber(input.gainDiveText) / unitFactor(Quantity::Length, input.units);
        request.gainRoll = readNumber(input.gainRollText);
    }
    // Every cell shares the static and camber-gain passes: only dive and
    // roll change from cell to cell.
    const LayoutPasses passes(numbers, request);
    LayoutNumbers out;
    // Every row gives its cells the same column texts, each read once: a
    // number's text always reads back as a number.
    std::vector<std::string> columnTexts;
    std::vector<double> columnReads;
    for (int j = 0; j < columns.count; ++j) {
        columnTexts.push_back(numberText(columns.value(j)));
        columnReads.push_back(readNumber(columnTexts.back()));
    }
    const int g = table.groupSize();
    for (int k = 0; k < rows.count; ++k) {
        const std::string rowText = numberText(rows.value(k));
        numbers.setRead(rowEntry, readNumber(rowText));
        if (engine) {
            input.entries[rowEntry] = rowText;
        }
        for (int j = 0; j < columns.count; ++j) {
            const std::string &columnText = columnTexts[static_cast<std::size_t>(j)];
            numbers.setRead(columnEntry, columnReads[static_cast<std::size_t>(j)]);
            if (engine) {
                input.entries[columnEntry] = columnText;
            }
            const CellResult cell = solveCell(input, passes, out, engine);
            if (cell.layoutProblem) {
                ++table.problemCells;
            }
            if (cell.showGeometryWarning) {
                ++table.warningCells;
            }
            table.values.push_back(cell.values);
            writeCell(table, k, j, table.values.back(), baseline);
            if (observer) {
                observer(entryRow(k, g), j + 1);
            }
        }
    }
    return table;
}

CamberTable tableForQuantity(
    const CamberTable &swept, TableQuantity quantity, const BaselineState &baseline)
{
    CamberTable table;
    table.warningCells = swept.warningCells;
    table.problemCells = swept.problemCells;
    table.metric = swept.metric;
    if (!prepareTable(table, quantity, swept.spec, baseline)) {
        return table;
    }
    // A table that was not swept with this spec has no numbers to show.
    if (table.dataRows != swept.dataRows || table.dataColumns != swept.dataColumns) {
        table.values.clear();
        return table;
    }
    table.values = swept.values;
    for (int k = 0; k < table.dataRows; ++k) {
        for (int j = 0; j < table.dataColumns; ++j) {
            if (const TableCellValues *cell = table.cellValues(k, j)) {
                writeCell(table, k, j, *cell, baseline);
            }
        }
    }
    return table;
}

} // namespace tarvik
