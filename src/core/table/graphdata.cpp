// Selection widening, the "Graph" check and LoadGraphFromTable (see
// graphdata.h). Header texts are matched case-sensitively: "(new)" and
// "(base)" rows and "Difference" rows are told apart by their column-0 text,
// exactly as the table writes them.
#include "core/table/graphdata.h"

#include "core/text/numberreading.h"

#include <algorithm>
#include <cctype>

namespace tarvik {

namespace {

constexpr int kMaxSeriesPerSide = 6;
constexpr int kFirstAndLastSeriesPerSide = 4;

bool contains(const std::string &text, const char *part)
{
    return text.find(part) != std::string::npos;
}

const std::string &cellText(const TableGrid &grid, int row, int column)
{
    static const std::string empty;
    if (row < 0 || column < 0 || static_cast<std::size_t>(row) >= grid.size()) {
        return empty;
    }
    const std::vector<std::string> &cells = grid[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(column) >= cells.size()) {
        return empty;
    }
    return cells[static_cast<std::size_t>(column)];
}

int dataRowsEnd(const CamberTable &table)
{
    return static_cast<int>(table.grids[kSideRight].size()) - 1;
}

int dataColumnsEnd(const CamberTable &table)
{
    const TableGrid &grid = table.grids[kSideRight];
    return grid.empty() ? 0 : static_cast<int>(grid[0].size()) - 1;
}

// Ordered and inside the data area; false when the table has no data cells.
bool clampToData(const CamberTable &table, GridSelection &s)
{
    const int lastRow = dataRowsEnd(table);
    const int lastColumn = dataColumnsEnd(table);
    if (lastRow < 1 || lastColumn < 1) {
        return false;
    }
    if (s.firstRow > s.lastRow) {
        std::swap(s.firstRow, s.lastRow);
    }
    if (s.firstColumn > s.lastColumn) {
        std::swap(s.firstColumn, s.lastColumn);
    }
    s.firstRow = std::clamp(s.firstRow, 1, lastRow);
    s.lastRow = std::clamp(s.lastRow, 1, lastRow);
    s.firstColumn = std::clamp(s.firstColumn, 1, lastColumn);
    s.lastColumn = std::clamp(s.lastColumn, 1, lastColumn);
    return true;
}

std::string lowerCase(std::string text)
{
    for (char &ch : text) {
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    }
    return text;
}

// "Dive, inches" -> "dive, in" (row name, lower case) or "Dive, in" (column
// name); "Dive, mm" stays in mm; "Roll, deg" and "Roll, degrees" -> "roll,
// deg" / "Roll, deg".
std::string axisName(const std::string &caption, bool toLower)
{
    const std::string lower = lowerCase(caption);
    std::string name = toLower ? lower : caption;
    const std::size_t comma = name.find(',');
    if (comma != std::string::npos) {
        name.resize(comma + 1);
    }
    name += contains(lower, ", in") ? " in" : contains(lower, ", mm") ? " mm" : " deg";
    return name;
}

// In label mode 1 the run's own label replaces "new" or "base".
std::string relabel(std::string legend, const GraphOptions &options)
{
    std::size_t at = legend.find("(new)");
    const std::string *label = &options.currentRunLabel;
    if (at == std::string::npos) {
        at = legend.find("(base)");
        label = &options.baselineRunLabel;
    }
    if (at != std::string::npos) {
        legend.resize(at + 1);
        legend += *label;
        legend += ')';
    }
    return legend;
}

} // namespace

GridSelection extendGridSelection(const CamberTable &table, GridSelection s)
{
    if (!table.baselineShown || !clampToData(table, s)) {
        return s;
    }
    const TableGrid &right = table.grids[kSideRight];
    const std::string &first = cellText(right, s.firstRow, 0);
    if (contains(first, "base")) {
        s.firstRow -= 1;
    } else if (contains(first, "Diff")) {
        s.firstRow -= 2;
    }
    const std::string &last = cellText(right, s.lastRow, 0);
    if (contains(last, "new")) {
        s.lastRow += 2;
    } else if (contains(last, "base")) {
        s.lastRow += 1;
    }
    clampToData(table, s);
    return s;
}

bool graphSelectionFits(const CamberTable &table, const GridSelection &s)
{
    const int lastRow = dataRowsEnd(table);
    const int lastColumn = dataColumnsEnd(table);
    const auto inside = [](int first, int last, int end) {
        return 1 <= std::min(first, last) && std::max(first, last) <= end;
    };
    return inside(s.firstRow, s.lastRow, lastRow) && inside(s.firstColumn, s.lastColumn, lastColumn)
        && s.firstColumn != s.lastColumn;
}

std::string graphSelectionRefusal(const GridSelection &right, const GridSelection &left)
{
    if (right.firstColumn == right.lastColumn || left.firstColumn == left.lastColumn) {
        return kSelectMoreColumns;
    }
    return {};
}

GraphData loadGraphFromTable(
    const CamberTable &table, GridSelection s, const GraphOptions &options, int &limitMessageFlag)
{
    GraphData graph;
    const bool givenLabels = options.labelMode == 1;
    const std::string rowName = axisName(cellText(table.grids[kSideRight], 0, 0), true);
    const std::string columnName = axisName(table.columnCaption, false);
    const TableQuantity quantity = table.quantity;
    const bool perSide = tableQuantityPerSide(quantity);
    graph.title = givenLabels
        ? std::string(tableQuantityName(quantity)) + ":  " + options.plotTitle
        : std::string(tableQuantityAxisTitle(quantity, table.metric)) + "   vs   " + columnName;
    graph.xAxisTitle = columnName;
    graph.yAxisTitle = tableQuantityAxisTitle(quantity, table.metric);
    graph.background = options.background;
    graph.thickLines = options.thickLines == 1;

    // A selection left from before a refill may no longer fit; widening is
    // idempotent, so a reload sees whole groups even if the window missed it.
    s = extendGridSelection(table, s);
    if (!clampToData(table, s)) {
        return graph;
    }
    const bool shown = table.baselineShown;
    const int realPoints = s.lastColumn - s.firstColumn + 1;
    const int rows = s.lastRow - s.firstRow + 1;
    int seriesPerSide = 0;
    bool firstAndLast = false;
    const char *limit = nullptr;
    if (!shown) {
        seriesPerSide = std::min(rows, kMaxSeriesPerSide);
        if (rows > kMaxSeriesPerSide) {
            limit = perSide ? kGraphLimitRows : kGraphLimitRowsOneGrid;
        }
    } else if (rows <= 9) {
        seriesPerSide = 2 * rows / 3; // the "(new)" and "(base)" rows of each group
    } else {
        seriesPerSide = kFirstAndLastSeriesPerSide;
        firstAndLast = true;
        limit = perSide ? kGraphLimitGroups : kGraphLimitGroupsOneGrid;
    }
    if (limit != nullptr && limitMessageFlag == 0) {
        graph.limitMessage = limit;
        limitMessageFlag = 1;
    }

    // The graph control needs at least as many points as series.
    const int sides = perSide ? 2 : 1;
    graph.pointCount = std::max(realPoints, sides * seriesPerSide);
    graph.series.resize(static_cast<std::size_t>(sides * seriesPerSide));
    for (GraphSeries &series : graph.series) {
        series.points.resize(static_cast<std::size_t>(graph.pointCount));
    }

    int pairs = 0;
    for (int side = kSideRight; side < sides; ++side) {
        const TableGrid &grid = table.grids[static_cast<std::size_t>(side)];
        int loaded = 0;
        bool jumped = false;
        for (int r = s.firstRow; r <= s.lastRow && loaded < seriesPerSide; ++r) {
            const std::string &header = cellText(grid, r, 0);
            if (shown) {
                if (contains(header, "Diff")) {
                    continue;
                }
                if (firstAndLast && loaded == 2 && !jumped) {
                    r = s.lastRow - 3; // on to the "(new)" row of the last group
                    jumped = true;
                    continue;
                }
            }
            GraphSeries &series
                = graph.series[static_cast<std::size_t>(seriesPerSide * side + loaded)];
            // A "(base)" line pairs with the "(new)" line just loaded on this side.
            series.baseline = shown && loaded > 0 && contains(header, "base");
            series.pair = series.baseline
                ? graph.series[static_cast<std::size_t>(seriesPerSide * side + loaded - 1)].pair
                : pairs++;
            const char *prefix = !perSide ? "RC," : side == kSideRight ? "Rt," : "Lt,";
            series.legend = std::string(prefix) + " " + rowName + " = " + header;
            series.rowValue = readNumber(header);
            if (givenLabels) {
                series.legend = relabel(series.legend, options);
            }
            for (int c = s.firstColumn; c <= s.lastColumn; ++c) {
                series.points[static_cast<std::size_t>(c - s.firstColumn)]
                    = { readNumber(cellText(grid, 0, c)), readNumber(cellText(grid, r, c)) };
            }
            for (int p = realPoints; p < graph.pointCount; ++p) {
                series.points[static_cast<std::size_t>(p)]
                    = series.points[static_cast<std::size_t>(p - 1)];
            }
            ++loaded;
        }
    }
    return graph;
}

GraphCommandOutcome graphCommand(const CamberTable &table, const GridSelection &rightSelection,
    const GridSelection &leftSelection, const GraphOptions &options, int &limitMessageFlag)
{
    GraphCommandOutcome outcome;
    outcome.rightSelection = extendGridSelection(table, rightSelection);
    outcome.refusal = graphSelectionRefusal(outcome.rightSelection, leftSelection);
    if (!outcome.refusal.empty()) {
        return outcome;
    }
    limitMessageFlag = 0;
    outcome.graph = loadGraphFromTable(table, outcome.rightSelection, options, limitMessageFlag);
    return outcome;
}

GraphLabelTexts useLabelsGivenHere(GraphOptions &options)
{
    options.labelMode = 1;
    return { options.plotTitle, options.currentRunLabel, options.baselineRunLabel };
}

void useStandardLabels(GraphOptions &options, const GraphLabelTexts &boxes)
{
    options.labelMode = 0;
    const auto keep = [](std::string &setting, const std::string &box) {
        if (box != "~") {
            setting = box;
        }
    };
    keep(options.plotTitle, boxes.plotTitle);
    keep(options.currentRunLabel, boxes.currentRunLabel);
    keep(options.baselineRunLabel, boxes.baselineRunLabel);
}

void storeGraphLabels(GraphOptions &options, const GraphLabelTexts &boxes)
{
    options.plotTitle = boxes.plotTitle;
    options.currentRunLabel = boxes.currentRunLabel;
    options.baselineRunLabel = boxes.baselineRunLabel;
}

} // namespace tarvik
