// The camber table: right and left wheel camber over a grid of dive and roll
// values, as the Camber Table window shows it (FillCamberTable).
//
// The sweep is a pure function of the TableSpec, the layout (an engine input
// whose entry texts are the main window's boxes) and the baseline state. For
// every cell it writes the cell's dive and roll into a copy of the layout's
// dive (54) and roll (55) entries in the number text form, applies dive and
// roll, runs the engine once without building a scene or formatting captions
// and reads the two new cambers (degrees) and the layout-problem flags.
// Nothing of the caller's layout is changed, so there is nothing to restore
// afterwards; the caller redraws its own view.
//
// Grid texts: row 0 holds the corner cell and the column values, column 0
// the row values ("##.00"); data cells are "###.00". With the baseline shown,
// every data entry is three rows: "(new)", "(base)" and "Difference".
//
// The same sweep serves every TableQuantity: each cell keeps the numbers of
// all quantities (the two cambers and the moved roll centre of that dive and
// roll), and the grids show the table's own quantity. tableForQuantity()
// turns a swept table into another quantity's without calling the engine.
#pragma once

#include "core/geometry/engine.h"
#include "core/table/baseline.h"
#include "core/table/tablequantity.h"
#include "core/table/tablespec.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace tarvik {

using TableGrid = std::vector<std::vector<std::string>>; // [grid row][grid column]

struct CamberTable
{
    int RowsAreRoll = 0;
    bool baselineShown = false;
    // The baseline was asked for but its spec differs: show this message once
    // and set ShowBaseline to 0 (the table below is filled without it).
    std::string baselineMismatch;
    // Non-empty when the spec does not fit 10 x 11: nothing was swept.
    std::string refusal;
    int dataRows = 0; // values of the row variable
    int dataColumns = 0; // values of the column variable
    std::array<TableGrid, 2> grids; // kSideRight (upper grid), kSideLeft (lower grid)
    std::string columnCaption; // names the column variable, above each grid
    int headerColumnTwips = 1000;
    // Cells whose linkage could not be closed. The geometry warning is shown
    // once per sweep, not once per cell: warningCells counts the cells for
    // which the engine asked for it, problemCells every flagged cell.
    int warningCells = 0;
    int problemCells = 0;
    // What the grids' data cells show; the baseline rows are this quantity's.
    TableQuantity quantity = TableQuantity::Camber;
    // The layout's lengths are millimetres (its units): the dive values
    // and the roll centre are in mm, and the captions say so.
    bool metric = false;
    TableSpec spec; // the TableSpec the table was swept with
    // The numbers of every quantity, data entry k and data column j at
    // k * dataColumns + j; empty for a refused table.
    std::vector<TableCellValues> values;

    int gridRows() const { return static_cast<int>(grids[kSideRight].size()); }
    int gridColumns() const { return dataColumns + 1; }
    int groupSize() const { return baselineShown ? 3 : 1; }
    // nullptr outside the swept cells.
    const TableCellValues *cellValues(int dataRow, int dataColumn) const;
};

using EngineFunction = std::function<EngineOutput(const EngineInput &)>;
// Called after each cell is filled, with its grid row and column of the
// "(new)" row, so a window can repaint as the table grows.
using CellObserver = std::function<void(int gridRow, int gridColumn)>;

// engine: empty for runEngine itself, which then gets the layout's texts
// read once for the whole sweep.
// layout: entries, suspension type, entry mode and camber-gain definition of
// the current layout; applyDiveRoll, withScene and withCaptions are overridden.
CamberTable fillCamberTable(const TableSpec &spec, const EngineInput &layout,
    const BaselineState &baseline, const EngineFunction &engine = {},
    const CellObserver &observer = {});

// The same sweep with the grids showing quantity; baseline is that
// quantity's own baseline. The moved roll centre of a cell is the one the
// main window shows for that dive and roll.
CamberTable fillQuantityTable(TableQuantity quantity, const TableSpec &spec,
    const EngineInput &layout, const BaselineState &baseline, const EngineFunction &engine = {},
    const CellObserver &observer = {});

// The table of another quantity from the numbers a sweep kept, with that
// quantity's baseline (checked against the swept spec as a fill checks it).
// No engine call: switching what the window shows costs only the texts.
CamberTable tableForQuantity(
    const CamberTable &swept, TableQuantity quantity, const BaselineState &baseline);

// Texts of the fixed cells, shared by the sweep and its tests; a metric
// layout's dive is "Dive, mm".
std::string cornerCaption(
    const TableSpec &spec, bool metric = false); // "Dive, inches" or "Roll, deg"
std::string columnAxisCaption(
    const TableSpec &spec, bool metric = false); // "Roll, degrees" or "Dive, inches"
// The row variable's full name, as an export labels it: "Dive, inches" or
// "Roll, degrees".
std::string rowAxisCaption(const TableSpec &spec, bool metric = false);

} // namespace tarvik
