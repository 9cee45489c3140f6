// The printed camber table as a page layout in the printer's own units.
//
// The window asks for the report comment (reporttext.h), picks the font with
// chooseReportFont(), and hands the printable width and height, a measure of
// text in that font and the time; the layout returns what to draw, in order:
// texts at a position and point size, horizontal rules, page frames and page
// breaks. The page header is the title line (17 pt, centred; it names the
// quantity), the vehicle file line (12 pt, centred), the time line
// (12 pt, centred; "cont." on a continuation page) and, on the first page
// only, the report comment line, the wrapped vehicle comment and, when the
// table shows its baseline, the wrapped baseline comment line (12 pt). Then
// the right table and the left table: a 12 pt caption line ("Right" or
// "Left" at 0.07 W, the column-axis caption at 0.2 W) and every grid row in
// 10 pt, row headers at 0.07 W and data column c at 0.14 W + c x 0.06 W, rows
// 1.2 text heights apart, ruled from 0.05 W to 0.93 W.
//
// A roll-centre table (TableQuantity) prints its grid once, captioned
// "Right & Left": both grids hold the same roll centre.
//
// With heat colours asked for (a colour print of a table showing its
// baseline), every data cell of a "Difference" row gets a Fill item under its
// text, in the diverging colours of heatscale.h saturating at the table's
// span (its text white where the colour is deep), and the last table is
// followed by a legend line: the caption
// "Difference colors, <unit>:" and nine swatches under data columns 1 to 9
// with their values below them. A legend that does not fit goes on a new
// page, as a table does.
//
// A table that does not fit between the current position and 0.95 H goes on
// a new page marked "cont." when that gives it more room. So with the left
// table this is the old rule (a 31-row baseline table usually puts the left
// table on a second page); the right table moves too when a long vehicle
// comment leaves it too little room, instead of running off the first page.
#pragma once

#include "core/table/cambertable.h"
#include "core/table/reporttext.h"

#include <functional>
#include <string>
#include <vector>

namespace tarvik {

struct TextExtent
{
    double width = 0;
    double height = 0;
};

// Width and height of text at a point size in the report's font, in the same
// units as the page size.
using TextMeasure = std::function<TextExtent(const std::string &text, int pointSize)>;

struct ReportItem
{
    enum class Kind {
        Text, // text at (x, y), y the top of the line, in pointSize
        Rule, // a black line from (x, y) to (x2, y)
        Frame, // a black rectangle from (x, y) to (x2, y2) around a page's content
        NewPage, // what follows goes on a new page
        Fill, // a rectangle from (x, y) to (x2, y2) filled with rgb, no outline
    };
    Kind kind = Kind::Text;
    double x = 0;
    double y = 0;
    double x2 = 0;
    double y2 = 0;
    int pointSize = 0;
    std::string text;
    // A Fill's colour, or a Text's (black unless on a deep heat colour), 0xRRGGBB.
    unsigned rgb = 0;
};

struct TableReportInput
{
    double pageWidth = 0; // printable width W
    double pageHeight = 0; // printable height H
    std::string titleLine = kReportTitleLine;
    std::string timeText; // reportTimeText()
    std::string dateText; // reportDateText()
    std::string reportComment; // typed at print time, may be empty
    std::string vehicleComment; // the layout's comment, lines joined by CR LF
    bool heatColors = false; // colour the difference cells and add their legend
    // printedBaselineComment(): on the first page under the vehicle comment,
    // when the table shows its baseline.
    std::string baselineComment {};
    std::string vehicleFile {}; // the layout's file name as the title bar shows it
};

struct TableReport
{
    std::vector<ReportItem> items;
    int pages = 0;
};

// Empty (no pages) when the page size is not a positive finite number.
TableReport layoutTableReport(
    const CamberTable &table, const TableReportInput &input, const TextMeasure &measure);

} // namespace tarvik
