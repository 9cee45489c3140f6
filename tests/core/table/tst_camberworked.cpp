// The sweep with the real engine on the shipped worked example: known cells,
// a cell whose linkage cannot be closed, and a baseline saved from the table
// it is then compared with.
#include "core/layout/vehiclefile.h"
#include "core/table/cambertable.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace tarvik;

namespace {

EngineInput workedExample()
{
    const VehicleReadResult read
        = readVehicleFile(std::filesystem::path(TARVIK_SOURCE_DATA_DIR) / "tkfiles" / "WORKED.TK");
    EXPECT_TRUE(read.ok) << read.message;
    EngineInput input;
    for (int entry = 0; entry < kEntryCount; ++entry) {
        input.entries[static_cast<std::size_t>(entry)] = read.data.record.get(entry);
    }
    return input;
}

} // namespace

TEST(CamberTableWorked, DefaultTableCells)
{
    const CamberTable t = fillCamberTable(standardTableSpec(), workedExample(), BaselineState {});
    ASSERT_EQ(t.gridRows(), 6);
    // Dive -2, roll -4; the layout is symmetric, so the left grid mirrors the roll.
    EXPECT_EQ(t.grids[kRight][1][1], "-2.04");
    EXPECT_EQ(t.grids[kLeft][1][5], "-2.04");
    EXPECT_EQ(t.grids[kLeft][1][1], "3.64");
    // No dive, no roll: the static camber.
    EXPECT_EQ(t.grids[kRight][3][3], "-.50");
    EXPECT_EQ(t.grids[kLeft][3][3], "-.50");
    EXPECT_EQ(t.problemCells, 0);
}

TEST(CamberTableWorked, UnclosableCellIsCountedAndStillFilled)
{
    TableSpec spec = standardTableSpec();
    spec.DiveFrom = "0";
    spec.DiveTo = "18"; // 18 inches of dive is more than the lower arm can follow
    spec.DiveIncIndex = 0;
    spec.RollFrom = "0";
    spec.RollTo = "0";
    const CamberTable t = fillCamberTable(spec, workedExample(), BaselineState {});
    ASSERT_EQ(t.dataRows, 10);
    EXPECT_EQ(t.problemCells, 1);
    EXPECT_EQ(t.warningCells, 1);
    EXPECT_FALSE(t.grids[kRight][10][1].empty());
}

TEST(CamberTableWorked, SavedBaselineRepeatsTheNewRows)
{
    const EngineInput layout = workedExample();
    TableSpec spec = standardTableSpec();
    spec.RollIncIndex = 3; // 17 roll columns would not fit: narrow the range
    spec.RollFrom = "-2";
    spec.RollTo = "2";
    BaselineState baseline;
    baseline.ShowBaseline = 1;
    const CamberTable plain = fillCamberTable(spec, layout, BaselineState {});
    copyTableToBaseline(plain, spec, baseline);
    const CamberTable t = fillCamberTable(spec, layout, baseline);
    ASSERT_TRUE(t.baselineShown);
    ASSERT_EQ(t.gridRows(), 3 * 5 + 1);
    for (int side : { kRight, kLeft }) {
        const TableGrid &grid = t.grids[static_cast<std::size_t>(side)];
        for (int k = 0; k < t.dataRows; ++k) {
            const auto row = static_cast<std::size_t>(1 + 3 * k);
            for (std::size_t c = 1; c < grid[row].size(); ++c) {
                EXPECT_EQ(grid[row + 1][c], grid[row][c]);
                EXPECT_EQ(grid[row + 2][c], ".00") << "side " << side << " row " << row;
            }
        }
    }
}
