// A stored baseline brought into the other units when the layout's units
// change, as the settings' own table spec and camber baseline spec are
// (convertSettingsUnits): the dive range of its spec is converted, so the
// baseline keeps matching the converted table spec, and for a length
// quantity (the roll centre) so is every cell text. Camber is degrees in
// either units and its cells stay as they are.
#pragma once

#include "core/table/baseline.h"
#include "core/table/tablequantity.h"

namespace tarvik {

// Cells are written back as the table shows them ("###.00"); blank cells
// stay blank.
void convertBaselineUnits(BaselineState &baseline, TableQuantity quantity, bool toMetric);

} // namespace tarvik
