// Painting the printed camber table on a printer: the core lays the report
// out (layoutTableReport) in the printer's own device units with a text
// measure taken from the chosen printer font; this paints each item with a
// QPainter and starts a new page where the layout says so.
#pragma once

#include "core/table/tablereport.h"

#include <QDateTime>
#include <QString>

class QPrinter;

namespace tarvik::gui {

// The report's font family: the core's choice among the installed families.
QString reportFontFamily();

// The time and date texts of the header ("09:05:07:pm", "24:12:2024").
struct ReportClock
{
    std::string time;
    std::string date;
};
ReportClock reportClock(const QDateTime &when);

// Lays out and prints the report on an already set-up printer and ends the
// job. input.pageWidth and pageHeight are filled from the printer. The heat
// colours asked for in input.heatColors print only when the printer prints
// in colour (QPrinter::Color): a grayscale print keeps the plain table.
// False when the printer could not be started.
bool printTableReport(QPrinter &printer, const CamberTable &table, TableReportInput input);

} // namespace tarvik::gui
