// TableSpec: the sweep's axis counts and the 10 x 11 fit check counted as
// the table-spec window counts. Plain downward and uneven ranges are the
// golden table cases'.
#include "core/table/tablespec.h"

#include <gtest/gtest.h>

using namespace tarvik;

namespace {

TableSpec dive(int RowsAreRoll, const char *from, const char *to, int inc)
{
    return { RowsAreRoll, from, to, inc, "0", "0", 0 };
}

} // namespace

TEST(TableSpec, SweepAxisVisitsValuesNotPassingTo)
{
    struct Case
    {
        const char *from, *to;
        int incIndex;
        int count;
        double step;
    };
    const Case cases[] = {
        { "1", "1", 1, 1, 1 }, // from equal to to
        { "1.3", "0", 2, 3, -0.5 },
        { "-.7", ".3", 2, 3, 0.5 }, // decimal ends still reach the last value
        { "0", ".125", 3, 1, 0.25 }, { "abc", "3 apples", 1, 4, 1 }, // leading-number rule: 0 to 3
        { "0", "1", -1, 5, 0.25 }, // an index outside the list means the finest
        { "", "", 0, 1, 2 }, // a settings file that ended early: one cell at 0
    };
    for (const Case &c : cases) {
        const TableAxis axis = diveAxis(dive(0, c.from, c.to, c.incIndex));
        EXPECT_EQ(axis.count, c.count) << c.from << " to " << c.to;
        EXPECT_DOUBLE_EQ(axis.step, c.step) << c.from << " to " << c.to;
    }
    EXPECT_DOUBLE_EQ(rollIncrement(99), 0.25);
    const TableAxis down = rollAxis({ 0, "0", "0", 0, "4", "-4", 0 });
    ASSERT_EQ(down.count, 3);
    EXPECT_DOUBLE_EQ(down.value(2), -4);
    EXPECT_EQ(tableSpecRefusal(TableSpec {}), "");
}

TEST(TableSpec, WindowCountRoundsHalvesToEven)
{
    EXPECT_DOUBLE_EQ(specWindowCount("3", "0", 1), 4);
    EXPECT_DOUBLE_EQ(specWindowCount("0", ".125", 0.25), 1); // .5 step -> 0
    EXPECT_DOUBLE_EQ(specWindowCount("0", ".375", 0.25), 3); // 1.5 steps -> 2
    EXPECT_DOUBLE_EQ(specWindowCount("0", "1.3", 0.5), 4); // 2.6 -> 3, one more than swept
}

TEST(TableSpec, FitCheckRefusesWithTheAxisAtFault)
{
    const std::string diveRows
        = "Dive Increment must be increased to stay within 10 as Max Number of Rows.";
    const std::string rollColumns
        = "Roll Increment must be increased to stay within 11 as Max Number of Columns.";
    const std::pair<TableSpec, std::string> cases[] = {
        { { 0, "0", "9", 1, "0", "10", 2 }, "" }, // exactly 10 x 11
        { { 0, "0", "10", 1, "0", "10", 2 }, diveRows },
        { { 0, "0", "9", 1, "0", "11", 2 }, rollColumns },
        { { 0, "-5", "5", 3, "-4", "4", 4 }, rollColumns }, // both too big: roll checked first
        { { 1, "0", "10", 1, "0", "9", 2 }, "" }, // 10 roll rows x 11 dive columns
        { { 1, "0", "10", 1, "0", "10", 2 },
            "Roll Increment must be increased to stay within 10 as Max Number of Rows." },
        { { 1, "0", "11", 1, "0", "9", 2 },
            "Dive Increment must be increased to stay within 11 as Max Number of Columns." },
        { dive(0, "-2", "7.6", 1), diveRows }, // swept: 10 values; counted: 11
        { dive(0, "0", "1e300", 0), diveRows },
        { dive(0, "-1e308", "1e308", 0), diveRows },
    };
    for (const auto &[spec, message] : cases) {
        EXPECT_EQ(tableSpecRefusal(spec), message) << spec.DiveFrom << ".." << spec.DiveTo << " / "
                                                   << spec.RollFrom << ".." << spec.RollTo;
    }
}
