// CSV fields and records: the RFC 4180 quoting rule. The whole table's shape
// (right grid, empty record, left grid) is pinned by the golden table cases
// with LF line ends and by the window's export with CR LF and baseline rows.
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
