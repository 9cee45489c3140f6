// The browser edition's camber table window (see webtable.cpp).
#pragma once

#include "core/table/baseline.h"
#include "core/table/cambertable.h"
#include "core/table/tablequantity.h"
#include "webdocument.h"

#include <array>
#include <emscripten/val.h>
#include <string>

namespace tarvik::web {

class WebTable
{
public:
    explicit WebTable(WebDocument &doc);

    // Sweeps the current layout once and shows the chosen quantity.
    emscripten::val fill();
    // Shows another quantity from the last sweep's numbers (no engine call).
    emscripten::val showQuantity(int quantity);
    emscripten::val quantities() const;
    int quantity() const { return quantityIndex(m_quantity); }

    void saveBaseline();
    void showBaseline(bool shown);
    // The shown quantity's baseline in the desktop's baseline file format,
    // for the page's storage; takeBaselineText() puts a stored one back as
    // the baseline of the quantity it names (a refused text changes nothing),
    // with the units it was kept in, so the next fill brings it into the
    // layout's.
    std::string baselineText() const;
    bool takeBaselineText(const std::string &text, bool metric);
    std::string csv() const;

    // The "Graph" command for data rows first..last (grid rows, 1 based) of
    // the right grid over every column: a refusal or the series to draw.
    emscripten::val graph(int firstRow, int lastRow);

    // The printed report laid out on a page of width x height points; measure
    // is a JavaScript function (text, pointSize) -> [width, height].
    emscripten::val report(
        double width, double height, const std::string &comment, emscripten::val measure);

private:
    emscripten::val view() const;
    BaselineState &baseline() { return m_baselines[static_cast<std::size_t>(quantity())]; }
    void followUnits();

    WebDocument *m_doc;
    TableQuantity m_quantity = TableQuantity::Camber;
    std::array<BaselineState, kTableQuantityCount> m_baselines;
    std::array<Units, kTableQuantityCount> m_baselineUnits {}; // each baseline's units
    bool m_filled = false;
    CamberTable m_table;
    std::string m_notice; // a message the window shows once (baseline spec mismatch)
};

} // namespace tarvik::web
