// The printed table report: header texts, comment wrapping, font choice and
// the page layout with a fixed-pitch measure (width 0.5 x points per byte,
// height 1.2 x points) on a 540 x 720 point page.
#include "core/table/heatscale.h"
#include "core/table/tablereport.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace tarvik;

namespace {

constexpr double kW = 540;
constexpr double kH = 720;

TextExtent measure(const std::string &text, int points)
{
    return { 0.5 * points * static_cast<double>(text.size()), 1.2 * points };
}

// A table as the window shows it: n data entries, 5 data columns.
CamberTable grids(int entries, bool shown)
{
    CamberTable t;
    t.baselineShown = shown;
    t.columnCaption = "Roll, degrees";
    for (TableGrid &grid : t.grids) {
        grid.assign(static_cast<std::size_t>(t.groupSize() * entries + 1),
            std::vector<std::string>(6, "-1.25"));
        grid[0][0] = "Dive, inches";
    }
    return t;
}

std::string repeat(const std::string &text, int times)
{
    std::string out;
    while (times-- > 0) {
        out += text;
    }
    return out;
}

const ReportItem *findText(const std::vector<ReportItem> &items, const std::string &text)
{
    for (const ReportItem &item : items) {
        if (item.kind == ReportItem::Kind::Text && item.text == text) {
            return &item;
        }
    }
    return nullptr;
}

} // namespace

TEST(TableReport, TimeDateAndFontTexts)
{
    std::tm t {};
    t.tm_hour = 21, t.tm_min = 5, t.tm_sec = 7, t.tm_mday = 24, t.tm_mon = 11, t.tm_year = 124;
    EXPECT_EQ(reportTimeLine(reportTimeText(t), reportDateText(t), false),
        "Time:  09:05:07:pm              Date:  24:12:2024");
    t.tm_hour = 0;
    EXPECT_EQ(reportTimeText(t), "12:05:07:am");
    t.tm_hour = 12;
    EXPECT_EQ(reportTimeText(t), "12:05:07:pm");

    EXPECT_EQ(
        chooseReportFont({ "Roman", "Univers", "Arial Narrow", "MSSansSerif" }), "MSSansSerif");
    EXPECT_EQ(chooseReportFont({ "Roman", "univers 55", "arial" }), "arial");
    EXPECT_EQ(chooseReportFont({ "Times", "MS Sans Serif" }), kReportFallbackFont);
}

TEST(TableReport, CommentWrapping)
{
    using Lines = std::vector<std::string>;
    // 300 characters of words of 1 to 11 letters, no line breaks: lines of
    // at most 75, every break at a blank.
    std::string text;
    for (int i = 0; text.size() < 300; ++i) {
        text += std::string(std::size_t(1 + i % 11), char('a' + i % 26)) + " ";
    }
    text.resize(300);
    std::string joined;
    for (const std::string &line : wrapVehicleComment(text)) {
        EXPECT_LE(line.size(), 75u);
        joined += (joined.empty() ? "" : " ") + line;
    }
    EXPECT_EQ(joined, text.substr(0, text.find_last_not_of(' ') + 1));

    EXPECT_EQ(wrapVehicleComment("\r\n\t\x01"
                                 "first\r\n   second\r\n\r\nthird  "),
        (Lines { "first", "second", "third" }));
    EXPECT_EQ(wrapVehicleComment("cr\rlf\nend"), (Lines { "cr", "lf", "end" }));
    EXPECT_EQ(wrapVehicleComment(std::string(100, 'a')),
        (Lines { std::string(74, 'a'), std::string(26, 'a') }));
    EXPECT_EQ(wrapVehicleComment(repeat("\xC3\xA9", 100))[0].size(), 148u); // 2-byte characters
    EXPECT_EQ(wrapVehicleComment(repeat("line\r\n", 25)).size(), 20u);
}

// The window's report test prints the one-page and the continued tables;
// here: what must never happen on any page. Twenty comment lines leave too
// little room for the right table too, and the heat legend moves on.
TEST(TableReport, NothingRunsOffThePage)
{
    TableReportInput in { kW, kH, kReportTitleLine, "", "", "", repeat("comment line\r\n", 20) };
    in.heatColors = true;
    in.vehicleFile = "CAR.TK";
    const TableReport r = layoutTableReport(grids(10, true), in, measure);
    EXPECT_EQ(r.pages, 3);
    // Every page's heading names the quantity and the file.
    EXPECT_EQ(std::count_if(r.items.begin(), r.items.end(),
                  [](const ReportItem &i) {
                      return i.text == "Tarvik - Quellmark Inc.  -  Camber, degrees"
                          || i.text == "Vehicle File:  CAR.TK";
                  }),
        2 * r.pages);
    for (const ReportItem &i : r.items) {
        const bool text = i.kind == ReportItem::Kind::Text;
        EXPECT_LE(text ? i.y + 1.2 * i.pointSize : std::max(i.y, i.y2), 0.95 * kH) << i.text;
    }

    TableReportInput bad;
    bad.pageWidth = -1;
    bad.pageHeight = 720;
    EXPECT_EQ(layoutTableReport(grids(1, false), bad, measure).pages, 0);
}

// Heat colours: a Fill under every difference cell, nothing under the other
// rows, a legend after the last table; no colour unless asked for and shown.
TEST(TableReport, HeatColoursFillDifferenceCellsAndAddTheLegend)
{
    CamberTable t = grids(1, true);
    for (TableGrid &grid : t.grids) {
        grid[3] = { "Difference", "-.50", ".00", ".25", ".50", "1.00" };
    }
    TableReportInput in { kW, kH, kReportTitleLine, "", "", "", "" };
    in.heatColors = true;
    const auto fillsOf = [&in](const CamberTable &table) {
        std::vector<ReportItem> fills;
        for (const ReportItem &item : layoutTableReport(table, in, measure).items) {
            if (item.kind == ReportItem::Kind::Fill) {
                fills.push_back(item);
            }
        }
        return fills;
    };
    const std::vector<ReportItem> fills = fillsOf(t);
    ASSERT_EQ(fills.size(), 2u * 5u + 9u); // row 3 of each grid, then the legend
    EXPECT_EQ(fills[0].rgb, heatColor(-0.5, 1.0).rgb()); // the span is the largest, 1.00
    EXPECT_EQ(fills[4].rgb, kHeatPositive.rgb());
    const TableReport r = layoutTableReport(t, in, measure);
    const ReportItem *first = findText(r.items, "-.50");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->rgb, 0u); // black on the pale colour, white on the deepest
    EXPECT_EQ(std::find_if(r.items.begin(), r.items.end(),
                  [](const ReportItem &i) { return i.text == "1.00"; })
                  ->rgb,
        0xffffffu);
    EXPECT_LT(fills[0].x, first->x);
    EXPECT_GT(fills[0].x2, first->x + measure("-.50", 10).width);
    const ReportItem *legend = findText(r.items, "Difference colors, deg:");
    ASSERT_TRUE(legend);
    EXPECT_GT(legend->y, fills[9].y2); // below the left table
    EXPECT_EQ(fills.back().rgb, kHeatPositive.rgb());

    EXPECT_TRUE(fillsOf(grids(1, false)).empty()); // no difference rows shown
    in.heatColors = false;
    EXPECT_TRUE(fillsOf(t).empty());
}
