// Where secondary windows open: inside the screen's available area, beside
// the main window's input boxes where there is room, shrunk when too big.
#include "core/support/windowplacement.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

// A 1366x768 screen with a 40 px panel at the bottom, and the main window's
// input boxes down its left side.
const ScreenRect kLaptop { 0, 0, 1366, 728 };
const ScreenRect kBoxes { 8, 60, 430, 560 };

TEST(WindowPlacement, InsideTheAreaAndBesideTheBoxes)
{
    // The Camber Table where the window manager put it at 1600x1000: its
    // bottom past the screen's, over the boxes. It goes beside them, whole.
    const ScreenRect table = placeWindow({ 300, 415, 560, 630 }, kLaptop, kBoxes);
    EXPECT_TRUE(kLaptop.contains(table));
    EXPECT_EQ(table.overlapArea(kBoxes), 0);
    EXPECT_EQ(table.x, kBoxes.right());
    EXPECT_EQ(table.width, 560);

    // Clear of the boxes already: only moved inside the area.
    EXPECT_EQ(
        placeWindow({ 900, 700, 300, 200 }, kLaptop, kBoxes), (ScreenRect { 900, 528, 300, 200 }));
    EXPECT_EQ(placeWindow({ -50, -10, 300, 200 }, kLaptop, {}), (ScreenRect { 0, 0, 300, 200 }));
}

TEST(WindowPlacement, TooBigOrNoRoomBeside)
{
    // Bigger than the area, and too big to go beside the boxes: as big as the area.
    EXPECT_EQ(placeWindow({ 100, 100, 2000, 900 }, kLaptop, kBoxes, 1200, 700), kLaptop);

    // Too wide for the room beside the boxes, but it may be narrower: it is.
    const ScreenRect narrowed = placeWindow({ 186, 0, 1180, 580 }, kLaptop, kBoxes, 700, 400);
    EXPECT_EQ(narrowed, (ScreenRect { kBoxes.right(), 0, kLaptop.right() - kBoxes.right(), 580 }));

    // No side has room for the whole window: the place covering the boxes least.
    const ScreenRect wide { 0, 0, 1000, 600 };
    const ScreenRect placed = placeWindow({ 0, 0, 1000, 600 }, kLaptop, kBoxes, 1000, 600);
    EXPECT_TRUE(kLaptop.contains(placed));
    EXPECT_LT(placed.overlapArea(kBoxes), wide.overlapArea(kBoxes));
    EXPECT_EQ(placed.x, kLaptop.right() - 1000);
}

} // namespace
} // namespace tarvik
