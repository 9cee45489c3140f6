// A baseline in the other units; see baselineunits.h.
#include "core/table/baselineunits.h"

#include "core/layout/units.h"
#include "core/text/numberreading.h"
#include "core/text/pictureformat.h"

namespace tarvik {

void convertBaselineUnits(BaselineState &baseline, TableQuantity quantity, bool toMetric)
{
    TableSpec &spec = baseline.BaselineSpec;
    spec.DiveFrom = convertText(spec.DiveFrom, Quantity::Length, toMetric);
    spec.DiveTo = convertText(spec.DiveTo, Quantity::Length, toMetric);
    if (tableQuantityUnit(quantity) == tableQuantityUnit(quantity, true)) {
        return; // an angle: degrees in either units
    }
    const double factor = toMetric ? kMillimetresPerInch : 1.0 / kMillimetresPerInch;
    for (BaselineSide &side : baseline.BaselineData) {
        for (auto &row : side) {
            for (std::string &cell : row) {
                if (cell.find_first_not_of(' ') != std::string::npos) {
                    cell = formatPicture(readNumber(cell) * factor, "###.00");
                }
            }
        }
    }
}

} // namespace tarvik
