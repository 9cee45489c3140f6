// TableSpec: increments by choice index, the sweep's axis counts and the
// 10 x 11 fit check counted as the table-spec window counts.
#include "core/table/tablespec.h"

#include <gtest/gtest.h>

using namespace tarvik;

namespace {

constexpr double kTol = 1e-12;

TableSpec spec(int RowsAreRoll, std::string DiveFrom, std::string DiveTo, int diveInc,
    std::string RollFrom, std::string RollTo, int rollInc)
{
    return TableSpec { RowsAreRoll, std::move(DiveFrom), std::move(DiveTo), diveInc,
        std::move(RollFrom), std::move(RollTo), rollInc };
}

} // namespace

TEST(TableSpec, IncrementsByChoiceIndex)
{
    const double dive[] = { 2, 1, 0.5, 0.25, 0.25, 0.25 };
    const double roll[] = { 4, 2, 1, 0.5, 0.25, 0.25 };
    for (int i = 0; i < 6; ++i) {
        EXPECT_DOUBLE_EQ(diveIncrement(i), dive[i]) << i;
        EXPECT_DOUBLE_EQ(rollIncrement(i), roll[i]) << i;
    }
    // An index outside the list (an edited settings file) means the finest.
    EXPECT_DOUBLE_EQ(diveIncrement(-1), 0.25);
    EXPECT_DOUBLE_EQ(rollIncrement(99), 0.25);
}

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
        { "-2", "2", 1, 5, 1 }, { "2", "-2", 1, 5, -1 }, // downward
        { "1", "1", 1, 1, 1 }, // from equal to to
        { "0", "1.3", 2, 3, 0.5 }, // uneven: .0, .5, 1.0
        { "1.3", "0", 2, 3, -0.5 },
        { "-.7", ".3", 2, 3, 0.5 }, // decimal ends still reach the last value
        { "0", ".125", 3, 1, 0.25 }, { "abc", "3 apples", 1, 4, 1 }, // leading-number rule: 0 to 3
    };
    for (const Case &c : cases) {
        const TableAxis axis = diveAxis(spec(0, c.from, c.to, c.incIndex, "0", "0", 0));
        EXPECT_EQ(axis.count, c.count) << c.from << " to " << c.to;
        EXPECT_DOUBLE_EQ(axis.step, c.step) << c.from << " to " << c.to;
    }
    const TableAxis down = rollAxis(spec(0, "0", "0", 0, "4", "-4", 0));
    ASSERT_EQ(down.count, 3);
    EXPECT_NEAR(down.value(0), 4, kTol);
    EXPECT_NEAR(down.value(1), 0, kTol);
    EXPECT_NEAR(down.value(2), -4, kTol);
}

TEST(TableSpec, StartValuesSweepOneCell)
{
    // An empty spec (a settings file that ended early) is one cell at 0, 0.
    const TableSpec empty;
    EXPECT_EQ(tableSpecRefusal(empty), "");
    EXPECT_EQ(rowAxis(empty).count, 1);
    EXPECT_EQ(columnAxis(empty).count, 1);
    EXPECT_DOUBLE_EQ(rowAxis(empty).value(0), 0);
}

TEST(TableSpec, WindowCountRoundsHalvesToEven)
{
    EXPECT_DOUBLE_EQ(specWindowCount("0", "3", 1), 4);
    EXPECT_DOUBLE_EQ(specWindowCount("3", "0", 1), 4);
    EXPECT_DOUBLE_EQ(specWindowCount("0", "1", 0.25), 5);
    EXPECT_DOUBLE_EQ(specWindowCount("0", ".125", 0.25), 1); // .5 step -> 0
    EXPECT_DOUBLE_EQ(specWindowCount("0", ".375", 0.25), 3); // 1.5 steps -> 2
    EXPECT_DOUBLE_EQ(specWindowCount("0", "1.3", 0.5), 4); // 2.6 -> 3, one more than swept
    EXPECT_DOUBLE_EQ(specWindowCount("-5", "5", 0.5), 21);
}

TEST(TableSpec, FitCheckRefusesWithTheAxisAtFault)
{
    struct Case
    {
        TableSpec spec = standardTableSpec();
        const char *message; // "" = fits
    };
    const Case cases[] = {
        { standardTableSpec(), "" },
        { spec(0, "0", "9", 1, "0", "10", 2), "" }, // exactly 10 x 11
        { spec(0, "0", "10", 1, "0", "10", 2),
            "Dive Increment must be increased to stay within 10 as Max Number of Rows." },
        { spec(0, "0", "9", 1, "0", "11", 2),
            "Roll Increment must be increased to stay within 11 as Max Number of Columns." },
        // Both too big with dive rows: the window checks roll first.
        { spec(0, "-5", "5", 3, "-4", "4", 4),
            "Roll Increment must be increased to stay within 11 as Max Number of Columns." },
        { spec(1, "0", "10", 1, "0", "9", 2), "" }, // rows roll: 10 roll rows x 11 dive columns
        { spec(1, "0", "10", 1, "0", "10", 2),
            "Roll Increment must be increased to stay within 10 as Max Number of Rows." },
        { spec(1, "0", "11", 1, "0", "9", 2),
            "Dive Increment must be increased to stay within 11 as Max Number of Columns." },
        // 9.6 steps: the sweep would visit 10 values, the window counts 11.
        { spec(0, "-2", "7.6", 1, "0", "0", 0),
            "Dive Increment must be increased to stay within 10 as Max Number of Rows." },
        { spec(0, "0", "1e300", 0, "0", "0", 0),
            "Dive Increment must be increased to stay within 10 as Max Number of Rows." },
        { spec(0, "-1e308", "1e308", 0, "0", "0", 0),
            "Dive Increment must be increased to stay within 10 as Max Number of Rows." },
    };
    for (const Case &c : cases) {
        EXPECT_EQ(tableSpecRefusal(c.spec), c.message)
            << c.spec.DiveFrom << ".." << c.spec.DiveTo << " / " << c.spec.RollFrom << ".."
            << c.spec.RollTo;
    }
}
