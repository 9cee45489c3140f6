// The camber graph as a Qt Charts chart: the series, legends and titles of
// the core's GraphData drawn in one look. The same builder serves the screen
// and the printer, so a print shows what the window shows, restyled.
//
// The look carries the old graph control's settings in its own terms:
// background (palette index 0 black, 15 white), thick or thin lines,
// patterned lines with one pattern value per series (0 solid, 1 dashes,
// 2 dots, 3 dash-dot, 4 dash-dot-dot, higher values further patterns, so
// twelve lines stay apart on a black-and-white page), and monochrome for a
// black-and-white print.
#pragma once

#include "core/table/graphdata.h"

#include <QPen>
#include <vector>

class QChart;

namespace tarvik::gui {

struct GraphLook
{
    bool blackBackground = true;
    bool thickLines = false;
    bool patternedLines = false;
    std::vector<int> patterns; // by series, as the graph control's pattern values
    bool monochrome = false; // every line black
    bool border = false; // a frame around the whole graph (printing)

    int pattern(std::size_t series) const
    {
        return series < patterns.size() ? patterns[series] : 0;
    }
};

// The pen of series number index (0-based) in a look: the colour of its pair
// (a baseline shares its line's colour and is dashed), the pattern of index.
QPen seriesPen(const GraphLook &look, std::size_t index, const GraphSeries &series);

// A new chart (owned by the caller) with one line series per graph series,
// X and Y value axes with their units, grid lines both ways, the Y range
// fitted to the data (not forced through zero) and the legend on the right.
QChart *makeGraphChart(const GraphData &graph, const GraphLook &look);

// The Y-axis title of a graph that names none (GraphData::yAxisTitle):
// camber, in degrees.
inline constexpr const char *kGraphYAxisTitle = "Camber, deg";

} // namespace tarvik::gui
