// CSV fields and records: the RFC 4180 quoting rule, and the labels of the
// window's export. The bare table's shape (right grid, empty record, left
// grid) is pinned by the golden table cases with LF line ends.
#include "core/table/tablecsv.h"

#include <gtest/gtest.h>

using namespace tarvik;

TEST(TableCsv, QuotesOnlyWhatMustBeQuoted)
{
    const std::pair<std::string, std::string> cases[] = {
        { "-1.25", "-1.25" },
        { "", "" },
        { " .50 (base)", " .50 (base)" }, // blanks are data, not a reason to quote
        { "Dive, inches", "\"Dive, inches\"" },
        { "say \"hi\"", "\"say \"\"hi\"\"\"" },
        { "two\r\nlines", "\"two\r\nlines\"" },
        { "lone\ncr\r", "\"lone\ncr\r\"" },
        { "\"", "\"\"\"\"" },
    };
    for (const auto &[text, field] : cases) {
        EXPECT_EQ(csvField(text), field) << text;
    }
    EXPECT_EQ(csvRecord({ "a", "b,c", "" }), "a,\"b,c\",\r\n");
    EXPECT_EQ(csvRecord({}, "\n"), "\n");
}

// The export says what its numbers are, along which axes, and whose side each
// grid is, in the layout's units.
TEST(TableCsv, ExportLabelsQuantityAxesAndSides)
{
    CamberTable table;
    table.quantity = TableQuantity::RollCenterLateral;
    table.metric = true;
    table.spec.RowsAreRoll = 1;
    table.grids[kSideRight] = { { "Roll, deg", "-25.40" }, { "-4.00", "1.50" } };
    table.grids[kSideLeft] = table.grids[kSideRight];
    EXPECT_EQ(labelledTableCsv(table, "\n"),
        "Quantity,\"Roll Center Lateral, millimeters (left +)\"\n"
        "Rows,\"Roll, degrees\"\n"
        "Columns,\"Dive, mm\"\n"
        "\nRight\n\"Roll, deg\",-25.40\n-4.00,1.50\n"
        "\nLeft\n\"Roll, deg\",-25.40\n-4.00,1.50\n");
}
