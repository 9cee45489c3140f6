// CSV of the table grids: the RFC 4180 quoting rule and the table's shape
// (right grid, empty record, left grid), base and difference rows included.
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

TEST(TableCsv, WholeTableWithBaselineRows)
{
    CamberTable t;
    t.baselineShown = true;
    t.grids[kRight] = { { "Dive, inches", "-4.00" }, { ".00 (new)", "1.00" },
        { ".00 (base)", "1.25" }, { "Difference", "-.25" } };
    t.grids[kLeft] = { { "Dive, inches", "-4.00" }, { ".00 (new)", "-1.00" }, { ".00 (base)", "" },
        { "Difference", "-1.00" } };
    EXPECT_EQ(tableCsv(t),
        "\"Dive, inches\",-4.00\r\n.00 (new),1.00\r\n.00 (base),1.25\r\nDifference,-.25\r\n"
        "\r\n"
        "\"Dive, inches\",-4.00\r\n.00 (new),-1.00\r\n.00 (base),\r\nDifference,-1.00\r\n");
    const std::string lf = tableCsv(t, "\n");
    EXPECT_EQ(lf.find('\r'), std::string::npos);
    EXPECT_EQ(std::count(lf.begin(), lf.end(), '\n'), 9);
}
