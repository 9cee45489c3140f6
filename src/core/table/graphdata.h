// Graph data from the camber table: the selection rules of the table window
// and LoadGraphFromTable, as plain values the graph window draws.
//
// Selections are in grid coordinates: row 0 and column 0 are the fixed
// headers, data cells start at 1. Only the right grid's selection decides
// which rows and columns are graphed; the same cells are read from both
// grids. One series per selected table row and side, camber (or camber
// difference) in degrees against the column variable; at most 12 series.
//
// A roll-centre table (TableQuantity) holds one roll centre in both grids,
// so its series come from the right grid alone, one per row, with legends
// "RC, dive, in = ..." and titles naming the quantity; the row limits are
// the camber table's, which makes at most 6 series.
#pragma once

#include "core/layout/settings.h"
#include "core/table/cambertable.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvik {

struct GridSelection
{
    int firstRow = 1;
    int lastRow = 1;
    int firstColumn = 1;
    int lastColumn = 1;

    friend bool operator==(const GridSelection &, const GridSelection &) = default;
};

inline constexpr const char *kSelectMoreColumns = "You must select more than 1 column to graph.";
inline constexpr const char *kGraphLimitRows
    = "Total number of graphs limited to 12.  Only the first 6 rows (Rt & Lt) will be graphed.";
inline constexpr const char *kGraphLimitGroups
    = "Total number of graphs limited to 12.  Only the first and last rows (Rt & Lt, new & base, "
      "8 graphs) will be graphed.";
// The same limits for a roll-centre table, whose rows are graphed once.
inline constexpr const char *kGraphLimitRowsOneGrid
    = "Total number of graphs limited to 6.  Only the first 6 rows will be graphed.";
inline constexpr const char *kGraphLimitGroupsOneGrid
    = "Total number of graphs limited to 4.  Only the first and last rows (new & base, 4 "
      "graphs) will be graphed.";

// ExtendGridSelection: with the baseline shown, widens the right grid's row
// selection to whole "(new)", "(base)", "Difference" groups; otherwise
// returns the selection unchanged. Run after every selection change in
// either grid and set back on the right grid. The result is kept inside the
// grid's data area.
GridSelection extendGridSelection(const CamberTable &table, GridSelection rightSelection);

// The "Graph" command's check: kSelectMoreColumns when either grid has a
// single column selected, else empty.
std::string graphSelectionRefusal(const GridSelection &right, const GridSelection &left);

struct GraphPoint
{
    double x = 0; // the column's value (dive, inches, or roll, degrees)
    double y = 0; // the cell's value or difference (camber degrees, roll-centre inches)
};

struct GraphSeries
{
    std::string legend; // "Rt, dive, in = 1.00 (new)"
    int linePattern = 3; // the graph control's pattern value for screen drawing
    // Lines of one pair share a colour: a "(base)" row's line is the
    // baseline of the "(new)" line before it and is drawn dashed. Pairs are
    // numbered from 0 in series order; without a baseline every line is a
    // pair of its own.
    int pair = 0;
    bool baseline = false;
    std::vector<GraphPoint> points; // pointCount points
    double rowValue = 0; // the table row's dive or roll
    // Readings on the car at this row value, drawn as markers (measuredrows.h).
    std::vector<GraphPoint> measured;
};

struct GraphData
{
    std::string title;
    std::string xAxisTitle;
    std::string yAxisTitle; // the quantity and its unit ("Camber, deg")
    int background = 0; // palette index: 0 black, 15 white
    bool thickLines = false;
    // Points per series: the selected columns, raised to the number of series
    // when that is larger (the added points repeat the last real one).
    int pointCount = 0;
    // Right side first (series 0 .. N-1), then left (N .. 2N-1); a
    // roll-centre table has only the N series of its right grid. Line graph,
    // grid lines both ways, Y axis not forced through zero.
    std::vector<GraphSeries> series;
    // A limit message the window shows now; empty when none is due.
    std::string limitMessage;
};

// LoadGraphFromTable; the titles and legends follow table.quantity
// ("Camber, deg   vs   Roll, deg", "Roll Center Height, in   vs   Roll, deg").
// limitMessageFlag is the program-wide flag: 0 at the
// start of every "Graph" command, set to 1 once a limit message was handed
// out, so a reload from the options window does not repeat it.
GraphData loadGraphFromTable(const CamberTable &table, GridSelection rightSelection,
    const GraphOptions &options, int &limitMessageFlag);

// Whether an open graph drawn from rightSelection can follow the table to
// another quantity or fill: the selection lies inside the table's data area
// and holds more than one column.
bool graphSelectionFits(const CamberTable &table, const GridSelection &rightSelection);

// The "Graph" command: widen, check, reset the flag, load.
struct GraphCommandOutcome
{
    GridSelection rightSelection; // set back on the right grid
    std::string refusal; // shown instead of a graph
    std::optional<GraphData> graph; // shown in the graph window
};

GraphCommandOutcome graphCommand(const CamberTable &table, const GridSelection &rightSelection,
    const GridSelection &leftSelection, const GraphOptions &options, int &limitMessageFlag);

// The options window's three label boxes.
struct GraphLabelTexts
{
    std::string plotTitle;
    std::string currentRunLabel;
    std::string baselineRunLabel;

    friend bool operator==(const GraphLabelTexts &, const GraphLabelTexts &) = default;
};

// "Use Labels Given Here": label mode 1; the boxes show the stored texts.
GraphLabelTexts useLabelsGivenHere(GraphOptions &options);
// "Use Standard Labels": label mode 0; each box's text is stored unless it is
// exactly "~", which keeps the stored text.
void useStandardLabels(GraphOptions &options, const GraphLabelTexts &boxes);
// Leaving the options window or its "OK": the box texts are stored as they are.
void storeGraphLabels(GraphOptions &options, const GraphLabelTexts &boxes);

} // namespace tarvik
