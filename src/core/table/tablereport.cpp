// Page layout of the printed camber table (see tablereport.h). Positions are
// fractions of the printable width W and height H, so the layout is the same
// in twips, points or device pixels.
#include "core/table/tablereport.h"

#include "core/table/heatscale.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tarvik {

namespace {

constexpr int kTitlePoints = 17;
constexpr int kHeaderPoints = 12;
constexpr int kCellPoints = 10;
// The page's content starts a little below the top of the printable area so
// that the frame has room above it.
constexpr double kTopMargin = 0.02;
constexpr double kFrameGap = 0.01;
constexpr int kLegendSteps = 9;

class ReportLayout
{
public:
    ReportLayout(const TableReportInput &input, const TextMeasure &measure)
        : m_in(input)
        , m_measure(measure)
        , m_w(input.pageWidth)
        , m_h(input.pageHeight)
    {
    }

    TableReport run(const CamberTable &table)
    {
        m_report.pages = 1;
        m_title = reportTitleLine(m_in.titleLine, table.quantity, table.metric);
        m_heat = m_in.heatColors && table.baselineShown;
        m_baselineShown = table.baselineShown;
        m_span = tableHeatSpan(table);
        m_y = m_pageTop = kTopMargin * m_h;
        header(false);
        if (tableQuantityPerSide(table.quantity)) {
            printTable(table, kSideRight, "Right");
            printTable(table, kSideLeft, "Left");
        } else {
            printTable(table, kSideRight, "Right & Left");
        }
        if (m_heat) {
            legend(table);
        }
        frame();
        return std::move(m_report);
    }

private:
    TextExtent extent(const std::string &text, int points) const
    {
        TextExtent e = m_measure ? m_measure(text, points) : TextExtent {};
        // A font system that reports nonsense must not throw the page away.
        if (!std::isfinite(e.width) || e.width < 0) {
            e.width = 0;
        }
        if (!std::isfinite(e.height) || e.height < 0) {
            e.height = 0;
        }
        return e;
    }

    void addText(const std::string &line, int points, double x, double y, unsigned rgb = 0)
    {
        ReportItem item;
        item.rgb = rgb;
        item.kind = ReportItem::Kind::Text;
        item.x = x;
        item.y = y;
        item.pointSize = points;
        item.text = line;
        m_report.items.push_back(std::move(item));
    }

    // The line routine: one header line, then a further fifth of a line.
    double lineAdvance(const std::string &text, int points) const
    {
        return extent(text, points).height + std::round(0.2 * extent("X", points).height);
    }

    void centredLine(const std::string &line, int points)
    {
        const double width = extent(line, points).width;
        addText(line, points, 0.05 * m_w + (0.88 * m_w - width) / 2, m_y);
        m_y += lineAdvance(line, points);
    }

    void leftLine(const std::string &line, int points, double x)
    {
        addText(line, points, x, m_y);
        m_y += lineAdvance(line, points);
    }

    void header(bool continuation)
    {
        centredLine(m_title, kTitlePoints);
        if (const std::string file = reportVehicleLine(m_in.vehicleFile); !file.empty()) {
            centredLine(file, kHeaderPoints);
        }
        centredLine(reportTimeLine(m_in.timeText, m_in.dateText, continuation), kHeaderPoints);
        if (continuation) {
            return;
        }
        const std::string comment = reportCommentLine(m_in.reportComment);
        if (!comment.empty()) {
            leftLine(comment, kHeaderPoints, 0.06 * m_w);
        }
        for (const std::string &line : wrapVehicleComment(m_in.vehicleComment)) {
            leftLine(line, kHeaderPoints, 0.07 * m_w);
        }
        // What the "(base)" rows are, as the user described it.
        if (m_baselineShown) {
            const std::string base = reportBaselineCommentLine(m_in.baselineComment);
            for (const std::string &line : wrapVehicleComment(base)) {
                leftLine(line, kHeaderPoints, 0.06 * m_w);
            }
        }
    }

    double continuationHeaderHeight() const
    {
        const std::string file = reportVehicleLine(m_in.vehicleFile);
        return lineAdvance(m_title, kTitlePoints)
            + (file.empty() ? 0.0 : lineAdvance(file, kHeaderPoints))
            + lineAdvance(reportTimeLine(m_in.timeText, m_in.dateText, true), kHeaderPoints);
    }

    double rowPitch() const { return 1.2 * extent("Camber Table", kCellPoints).height; }

    double tableHeight(const TableGrid &grid, const std::string &caption) const
    {
        return lineAdvance(caption, kHeaderPoints) + static_cast<double>(grid.size()) * rowPitch();
    }

    void frame()
    {
        ReportItem item;
        item.kind = ReportItem::Kind::Frame;
        item.x = 0.03 * m_w;
        item.y = m_pageTop - kFrameGap * m_h;
        item.x2 = 0.95 * m_w;
        item.y2 = m_y + kFrameGap * m_h;
        m_report.items.push_back(item);
    }

    void newPage()
    {
        frame();
        ReportItem item;
        item.kind = ReportItem::Kind::NewPage;
        m_report.items.push_back(item);
        ++m_report.pages;
        m_y = m_pageTop;
        header(true);
    }

    void fill(double x, double y, double x2, double y2, const HeatColor &color)
    {
        ReportItem item;
        item.kind = ReportItem::Kind::Fill;
        item.x = x;
        item.y = y;
        item.x2 = x2;
        item.y2 = y2;
        item.rgb = color.rgb();
        m_report.items.push_back(item);
    }

    static double columnX(std::size_t column, double w)
    {
        return column == 0 ? 0.07 * w : 0.14 * w + static_cast<double>(column) * 0.06 * w;
    }

    // A data cell's coloured area: its column's width, a little inside the
    // rules above and below it.
    void cellFill(std::size_t column, double rowTop, double pitch, const HeatColor &color)
    {
        const double x = columnX(column, m_w) - 0.008 * m_w;
        fill(x, rowTop + 0.08 * pitch, x + 0.058 * m_w, rowTop + 0.92 * pitch, color);
    }

    // The caption, a row of swatches under data columns 1 .. 9 and a row of
    // their values.
    void legend(const CamberTable &table)
    {
        const std::string caption = "Difference colors, "
            + std::string(tableQuantityUnit(table.quantity, table.metric)) + ":";
        const double pitch = rowPitch();
        const double needed = lineAdvance(caption, kHeaderPoints) + 2 * pitch;
        const double room = 0.95 * m_h - m_y;
        const double freshRoom = 0.95 * m_h - m_pageTop - continuationHeaderHeight();
        if (needed > room && freshRoom > room) {
            newPage();
        }
        m_y += 0.5 * pitch;
        addText(caption, kHeaderPoints, 0.07 * m_w, m_y);
        m_y += lineAdvance(caption, kHeaderPoints);
        const double inset = (pitch - extent("Camber Table", kCellPoints).height) / 2;
        const std::vector<HeatLegendStep> steps = heatLegend(m_span, kLegendSteps);
        for (std::size_t i = 0; i < steps.size(); ++i) {
            cellFill(i + 1, m_y, pitch, steps[i].color);
            addText(steps[i].text, kCellPoints, columnX(i + 1, m_w), m_y + pitch + inset);
        }
        m_y += 2 * pitch;
    }

    void rule(double y)
    {
        ReportItem item;
        item.kind = ReportItem::Kind::Rule;
        item.x = 0.05 * m_w;
        item.x2 = 0.93 * m_w;
        item.y = y;
        m_report.items.push_back(item);
    }

    void printTable(const CamberTable &camber, int side, const char *sideCaption)
    {
        const TableGrid &grid = camber.grids[static_cast<std::size_t>(side)];
        const double needed = tableHeight(grid, camber.columnCaption);
        const double room = 0.95 * m_h - m_y;
        const double freshRoom = 0.95 * m_h - m_pageTop - continuationHeaderHeight();
        if (needed > room && freshRoom > room) {
            newPage();
        }

        addText(sideCaption, kHeaderPoints, 0.07 * m_w, m_y);
        // A long side caption ("Right & Left") pushes the column caption on.
        const double afterSide = 0.07 * m_w + extent(sideCaption, kHeaderPoints).width
            + extent("   ", kHeaderPoints).width;
        addText(camber.columnCaption, kHeaderPoints, std::max(0.2 * m_w, afterSide), m_y);
        m_y += lineAdvance(camber.columnCaption, kHeaderPoints);

        const double pitch = rowPitch();
        const double inset = (pitch - extent("Camber Table", kCellPoints).height) / 2;
        for (std::size_t r = 0; r < grid.size(); ++r) {
            const std::vector<std::string> &row = grid[r];
            rule(m_y);
            for (std::size_t c = 0; c < row.size(); ++c) {
                unsigned ink = 0;
                if (m_heat) {
                    if (const std::optional<HeatColor> color = differenceCellColor(
                            camber, side, static_cast<int>(r), static_cast<int>(c), m_span)) {
                        cellFill(c, m_y, pitch, *color);
                        ink = needsLightInk(*color) ? 0xffffffu : 0u;
                    }
                }
                if (!row[c].empty()) {
                    addText(row[c], kCellPoints, columnX(c, m_w), m_y + inset, ink);
                }
            }
            m_y += pitch;
        }
        if (!grid.empty()) {
            rule(m_y);
        }
    }

    const TableReportInput &m_in;
    const TextMeasure &m_measure;
    double m_w;
    double m_h;
    double m_y = 0;
    double m_pageTop = 0;
    std::string m_title;
    bool m_heat = false;
    bool m_baselineShown = false;
    double m_span = kMinimumHeatSpan;
    TableReport m_report;
};

} // namespace

TableReport layoutTableReport(
    const CamberTable &table, const TableReportInput &input, const TextMeasure &measure)
{
    const double w = input.pageWidth;
    const double h = input.pageHeight;
    if (!std::isfinite(w) || !std::isfinite(h) || w <= 0 || h <= 0) {
        return {};
    }
    return ReportLayout(input, measure).run(table);
}

} // namespace tarvik
