// Painting the measurement sheet (core measurementSheet) on a printer page:
// the title and vehicle, the numbered procedure, then the grid of planned
// positions with an empty box for each side's camber reading.
#pragma once

#include "core/design/measurementsheet.h"

class QPrinter;

namespace tarvik::gui {

// Paints on an already set-up printer and ends the job; false when the
// printer could not be started.
bool printMeasurementSheet(QPrinter &printer, const MeasurementSheet &sheet);

} // namespace tarvik::gui
