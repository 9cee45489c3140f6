// The camber table as CSV (RFC 4180), for the table window's export and the
// output of `tarvik-cli table`: one quoting rule for both. The window's
// export labels what it holds; the command line keeps its bare grids.
//
// A grid is written row by row as the window shows it, base and difference
// rows included: row 0 the corner cell and the column values, column 0 the
// row headers, every cell text exactly as displayed. A field holding a
// comma, a double quote, a CR or an LF is quoted, with its double quotes
// doubled; every other field is written as it is. RFC 4180 ends records
// with CR LF, which is what a saved file gets; a program writing to a
// terminal may ask for LF.
#pragma once

#include "core/table/cambertable.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

inline constexpr std::string_view kCsvCrLf = "\r\n";

// One field, quoted when it must be.
std::string csvField(std::string_view text);
// One record: the fields joined by commas, followed by lineEnd.
std::string csvRecord(const std::vector<std::string> &fields, std::string_view lineEnd = kCsvCrLf);
// One grid, a record per grid row.
std::string gridCsv(const TableGrid &grid, std::string_view lineEnd = kCsvCrLf);
// The whole table: the right grid, an empty line, then the left grid. A
// roll-centre table writes both grids too, so every quantity has one shape.
std::string tableCsv(const CamberTable &table, std::string_view lineEnd = kCsvCrLf);
// The window's export: what the numbers are, the row and column variables,
// then each grid under its side's name:
//   Quantity,"Camber, degrees"
//   Rows,"Dive, inches"
//   Columns,"Roll, degrees"
//   <empty>
//   Right
//   <right grid>
//   <empty>
//   Left
//   <left grid>
// Millimetres on a metric layout; a roll-centre table repeats its one grid
// under both names, as the bare form does.
std::string labelledTableCsv(const CamberTable &table, std::string_view lineEnd = kCsvCrLf);

} // namespace tarvik
