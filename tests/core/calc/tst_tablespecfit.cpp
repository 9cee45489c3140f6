// The table-spec window's fit to 10 rows by 11 columns, its axis preview
// lists and the preview text.
#include "core/calc/tablespecfit.h"

#include <gtest/gtest.h>

using namespace tarvik;

// The window's test fits rows of dive (one warning, the dive step coarsened
// twice); here: rows of roll, both axes at fault, and a spec that cannot fit.
TEST(TableSpecFit, RowsOfRollAndTheFinestIndexOutsideTheList)
{
    // Rows are roll: roll -10 to 10 by the finest step (index 9 means .25)
    // coarsens to 4 degrees (6 rows); dive -6 to 6 by 1 in needs 2 in.
    const TableSpecFit fit = fitTableSpec(TableSpec { 1, "-6", "6", 1, "-10", "10", 9 });
    ASSERT_EQ(fit.warnings.size(), 2u);
    EXPECT_EQ(fit.warnings[0],
        "Roll Increment must be increased to stay within 10 as Max Number of Rows.");
    EXPECT_EQ(fit.warnings[1],
        "Dive Increment must be increased to stay within 11 as Max Number of Columns.");
    EXPECT_EQ(fit.spec.RollIncIndex, 0);
    EXPECT_EQ(fit.spec.DiveIncIndex, 0);
    EXPECT_DOUBLE_EQ(fit.rollCount, 6);
    EXPECT_DOUBLE_EQ(fit.diveCount, 7);
}

TEST(TableSpecFit, StopsAtTheLargestStepAndSaysItDoesNotFit)
{
    const TableSpecFit fit = fitTableSpec(TableSpec { 0, "-30", "30", 3, "0", "4", 0 });
    EXPECT_EQ(fit.warnings.size(), 1u);
    EXPECT_EQ(fit.spec.DiveIncIndex, 0);
    EXPECT_FALSE(fit.fits);
    EXPECT_DOUBLE_EQ(fit.diveCount, 31);
    // Ends too large to count stop the same way instead of looping.
    EXPECT_FALSE(fitTableSpec(TableSpec { 0, "-1e308", "1e308", 3, "0", "0", 0 }).fits);
}

TEST(TableSpecFit, ValueListsShortenLongAxes)
{
    EXPECT_EQ(buildValueList(4, -2, 1, true), "-2\r-1\r 0\r 1");
    EXPECT_EQ(buildValueList(8, 0, 0.5, true), " 0\r .5\r 1\r ....\r 3.5");
    EXPECT_EQ(buildValueList(6, 3, -1, false), " 3     2     1     0    -1    -2");
    EXPECT_EQ(buildValueList(7, 0, 2, false), " 0     2     4     6     8     ....     12");
    EXPECT_EQ(buildValueList(1, 1.5, 0.25, false), " 1.5");
}

TEST(TableSpecFit, PreviewNamesTheAxesAndTheSize)
{
    const TableSpecFit fit = fitTableSpec(TableSpec { 0, "3", "0", 1, "-4", "4", 1 });
    EXPECT_EQ(tableSpecPreview(fit),
        std::string(30, ' ') + "Roll\r" + std::string(11, ' ') + "Dive-4    -2     0     2     4\r"
            + " 3\r 2\r 1\r 0\r\r4 rows x 5 columns.   (Maximum of 10 rows by 11 columns.)");
}
