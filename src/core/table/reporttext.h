// Texts of the printed camber table report: the comment prompt, the time and
// date line, the wrapping of the vehicle comment, and the choice of font.
#pragma once

#include "core/table/tablequantity.h"

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

inline constexpr const char *kReportCommentTitle = "Enter Report Comment";
inline constexpr const char *kReportCommentPrompt
    = "Enter any text you wish to appear at the bottom of the printed report.";
inline constexpr const char *kReportTitleLine = "Tarvik - Quellmark Inc.";

// The report's first line for a table of quantity: titleLine followed by
// "  -  " and what the numbers are ("Tarvik - Quellmark Inc.  -  Camber,
// degrees", "...  -  Roll Center Height, inches"; millimeters when metric).
std::string reportTitleLine(
    const std::string &titleLine, TableQuantity quantity, bool metric = false);

// The heading line under the title that names the layout's file:
// "Vehicle File:  CAR.TK"; empty (no line) when there is no name.
std::string reportVehicleLine(const std::string &fileName);

// "09:05:07:pm": hour on the 12-hour clock (midnight and noon are 12).
std::string reportTimeText(const std::tm &time);
// "24:12:2024": day, month, four-digit year.
std::string reportDateText(const std::tm &time);
// "Time:  09:05:07:pm              Date:  24:12:2024", followed on the
// continuation page by "        cont.".
std::string reportTimeLine(
    const std::string &timeText, const std::string &dateText, bool continuation);

// "Report Comment:  " + comment; empty when there is no comment (no line).
std::string reportCommentLine(const std::string &comment);

// "Baseline Comment:  " + comment; empty when there is no comment.
std::string reportBaselineCommentLine(const std::string &comment);

// The vehicle comment as printed on the first page: at most 20 lines (lines
// that turn out empty count but are not returned), each broken at a line
// break within its first 75 characters, else at the last blank within them,
// else after 74 characters. Characters are counted as UTF-8 code points and
// a line never ends inside one. Line breaks are CR LF, a lone CR or a lone
// LF; a short remainder that still holds a break is broken there too, as a
// printer would have started a new line at it.
std::vector<std::string> wrapVehicleComment(std::string_view comment);

// The report's font: the first name whose upper-case form begins "MSSANS",
// then "ARIAL", "UNIVE", "ROMAN"; kReportFallbackFont when none does.
inline constexpr const char *kReportFallbackFont = "DejaVu Sans";
std::string chooseReportFont(const std::vector<std::string> &fontNames);

} // namespace tarvik
