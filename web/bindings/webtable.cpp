// The browser edition's camber table window: one sweep of the layout shown
// as camber or as the moved roll centre's height or lateral position, each
// quantity with its own baseline; the graphs of selected rows; the CSV; and
// the printed report laid out by the core for the page's print view.
#include "webtable.h"

#include "core/geometry/engineinputbuilder.h"
#include "core/layout/layoutstate.h"
#include "core/table/baselinefile.h"
#include "core/table/baselineunits.h"
#include "core/table/graphdata.h"
#include "core/table/heatscale.h"
#include "core/table/tablecsv.h"
#include "core/table/tablereport.h"
#include "jsvalues.h"

#include <cstdio>
#include <ctime>
#include <emscripten/val.h>

namespace tarvik::web {

namespace {

using emscripten::val;

std::string colorText(unsigned rgb)
{
    char text[8] = "";
    std::snprintf(text, sizeof text, "#%06x", rgb & 0xffffffu);
    return text;
}

} // namespace

WebTable::WebTable(WebDocument &doc)
    : m_doc(&doc)
{
}

void WebTable::followUnits()
{
    const Units units = m_doc->state().units;
    for (const TableQuantity q : kTableQuantities) {
        Units &kept = m_baselineUnits[static_cast<std::size_t>(quantityIndex(q))];
        if (kept != units) {
            convertBaselineUnits(m_baselines[static_cast<std::size_t>(quantityIndex(q))], q,
                units == Units::Metric);
            kept = units;
        }
    }
}

val WebTable::fill()
{
    followUnits();
    m_table = fillQuantityTable(m_quantity, m_doc->settings().tableSpec,
        buildEngineInput(m_doc->state(), m_doc->settings()), baseline());
    m_filled = true;
    m_notice = m_table.baselineMismatch;
    if (!m_notice.empty()) {
        baseline().ShowBaseline = 0;
    }
    return view();
}

val WebTable::showQuantity(int quantity)
{
    if (quantity < 0 || quantity >= kTableQuantityCount) {
        return view();
    }
    m_quantity = kTableQuantities[static_cast<std::size_t>(quantity)];
    if (!m_filled) {
        return fill();
    }
    m_table = tableForQuantity(m_table, m_quantity, baseline());
    m_notice = m_table.baselineMismatch;
    if (!m_notice.empty()) {
        baseline().ShowBaseline = 0;
    }
    return view();
}

val WebTable::quantities() const
{
    val out = val::array();
    for (const TableQuantity q : kTableQuantities) {
        out.call<void>("push", val(std::string(tableQuantityName(q))));
    }
    return out;
}

val WebTable::view() const
{
    val out = val::object();
    val grids = val::array();
    for (const auto &grid : m_table.grids) {
        val rows = val::array();
        for (const auto &row : grid) {
            rows.call<void>("push", strings(row));
        }
        grids.call<void>("push", rows);
    }
    out.set("grids", grids);
    // The difference cells' heat-map colours ("" elsewhere), as "#rrggbb".
    const double span = tableHeatSpan(m_table);
    val heat = val::array();
    for (int side = 0; side < 2; ++side) {
        val rows = val::array();
        const auto &grid = m_table.grids[static_cast<std::size_t>(side)];
        for (int r = 0; r < static_cast<int>(grid.size()); ++r) {
            val colors = val::array();
            for (int c = 0; c < static_cast<int>(grid[static_cast<std::size_t>(r)].size()); ++c) {
                const auto color = differenceCellColor(m_table, side, r, c, span);
                colors.call<void>("push", val(color ? colorText(color->rgb()) : std::string()));
            }
            rows.call<void>("push", colors);
        }
        heat.call<void>("push", rows);
    }
    out.set("heat", heat);
    out.set("refusal", m_table.refusal);
    out.set("notice", m_notice);
    out.set("baselineShown", m_table.baselineShown);
    out.set("perSide", tableQuantityPerSide(m_table.quantity));
    out.set("caption", std::string(tableQuantityCaption(m_table.quantity, m_table.metric)));
    out.set("columnCaption", m_table.columnCaption);
    out.set("groupSize", m_table.groupSize());
    return out;
}

void WebTable::saveBaseline()
{
    m_baselineUnits[static_cast<std::size_t>(quantity())] = m_doc->state().units;
    copyTableToBaseline(m_table, m_doc->settings().tableSpec, baseline());
    baseline().BaselineIsSaved = 1;
    baseline().ShowBaseline = 1;
}

void WebTable::showBaseline(bool shown)
{
    baseline().ShowBaseline = shown ? 1 : 0;
}

std::string WebTable::baselineText() const
{
    return baselineFileText(m_baselines[static_cast<std::size_t>(quantity())], m_quantity);
}

bool WebTable::takeBaselineText(const std::string &text, bool metric)
{
    const BaselineFileResult read = parseBaselineText(text);
    if (read.ok) {
        const auto q = static_cast<std::size_t>(quantityIndex(read.quantity));
        m_baselines[q] = read.baseline;
        m_baselineUnits[q] = metric ? Units::Metric : Units::English;
    }
    return read.ok;
}

std::string WebTable::csv() const
{
    return tableCsv(m_table);
}

val WebTable::graph(int firstRow, int lastRow)
{
    val out = val::object();
    GridSelection right { firstRow, lastRow, 1, m_table.dataColumns };
    int limitFlag = 0;
    const GraphCommandOutcome outcome
        = graphCommand(m_table, right, right, m_doc->settings().graph, limitFlag);
    out.set("firstRow", outcome.rightSelection.firstRow);
    out.set("lastRow", outcome.rightSelection.lastRow);
    out.set("refusal", outcome.refusal);
    if (!outcome.graph) {
        out.set("series", val::array());
        return out;
    }
    const GraphData &g = *outcome.graph;
    out.set("title", g.title);
    out.set("xAxisTitle", g.xAxisTitle);
    out.set("yAxisTitle", g.yAxisTitle);
    out.set("limitMessage", g.limitMessage);
    val series = val::array();
    for (const GraphSeries &s : g.series) {
        val line = val::object();
        line.set("legend", s.legend);
        line.set("pair", s.pair);
        line.set("baseline", s.baseline);
        val points = val::array();
        for (int i = 0; i < g.pointCount && i < static_cast<int>(s.points.size()); ++i) {
            const GraphPoint &p = s.points[static_cast<std::size_t>(i)];
            points.call<void>("push", val::array(std::vector<double> { p.x, p.y }));
        }
        line.set("points", points);
        series.call<void>("push", line);
    }
    out.set("series", series);
    return out;
}

val WebTable::report(double width, double height, const std::string &comment, val measure)
{
    const std::time_t now = std::time(nullptr);
    const std::tm local = *std::localtime(&now);
    TableReportInput input;
    input.pageWidth = width;
    input.pageHeight = height;
    input.timeText = reportTimeText(local);
    input.dateText = reportDateText(local);
    input.reportComment = comment;
    input.vehicleComment = m_doc->state().comment;
    input.heatColors = m_table.baselineShown;
    if (m_table.baselineShown) {
        input.baselineComment = printedBaselineComment(baseline());
    }
    input.vehicleFile = fileTitle(m_doc->state().currentFile, {});
    const TableReport laid
        = layoutTableReport(m_table, input, [&measure](const std::string &text, int size) {
              const val e = measure(text, size);
              return TextExtent { e[0].as<double>(), e[1].as<double>() };
          });
    const char *kinds[] = { "text", "rule", "frame", "page", "fill" };
    val items = val::array();
    for (const ReportItem &item : laid.items) {
        val i = val::object();
        i.set("kind", std::string(kinds[static_cast<int>(item.kind)]));
        i.set("x", item.x);
        i.set("y", item.y);
        i.set("x2", item.x2);
        i.set("y2", item.y2);
        i.set("size", item.pointSize);
        i.set("text", item.text);
        i.set("color", colorText(item.rgb));
        items.call<void>("push", i);
    }
    val out = val::object();
    out.set("items", items);
    out.set("pages", laid.pages);
    return out;
}

} // namespace tarvik::web
