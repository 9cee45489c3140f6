// CSV text of the table's grids; see tablecsv.h.
#include "core/table/tablecsv.h"

#include <string>

namespace tarvik {

std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    for (const char c : text) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string csvRecord(const std::vector<std::string> &fields, std::string_view lineEnd)
{
    std::string record;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            record += ',';
        }
        record += csvField(fields[i]);
    }
    record += lineEnd;
    return record;
}

std::string gridCsv(const TableGrid &grid, std::string_view lineEnd)
{
    std::string text;
    for (const std::vector<std::string> &row : grid) {
        text += csvRecord(row, lineEnd);
    }
    return text;
}

std::string tableCsv(const CamberTable &table, std::string_view lineEnd)
{
    std::string text = gridCsv(table.grids[kSideRight], lineEnd);
    text += lineEnd;
    text += gridCsv(table.grids[kSideLeft], lineEnd);
    return text;
}

std::string labelledTableCsv(const CamberTable &table, std::string_view lineEnd)
{
    std::string text = csvRecord(
        { "Quantity", std::string(tableQuantityCaption(table.quantity, table.metric)) }, lineEnd);
    text += csvRecord({ "Rows", rowAxisCaption(table.spec, table.metric) }, lineEnd);
    text += csvRecord({ "Columns", columnAxisCaption(table.spec, table.metric) }, lineEnd);
    text += lineEnd;
    text += csvRecord({ "Right" }, lineEnd);
    text += gridCsv(table.grids[kSideRight], lineEnd);
    text += lineEnd;
    text += csvRecord({ "Left" }, lineEnd);
    text += gridCsv(table.grids[kSideLeft], lineEnd);
    return text;
}

} // namespace tarvik
