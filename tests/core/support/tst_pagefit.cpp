// The fit-to-page rule of window printing.
#include "core/support/pagefit.h"

#include <gtest/gtest.h>
#include <limits>

namespace tarvik {
namespace {

// Which way the page turns for a square, tall and wide window.
TEST(PageFit, FitsTheTighterSide)
{
    const auto square = fitPictureToPage(500, 500, 8000, 10500);
    EXPECT_DOUBLE_EQ(square.width, 8000);
    EXPECT_DOUBLE_EQ(square.height, 8000);
    const auto wide = fitPictureToPage(800, 600, 10500, 8000);
    EXPECT_DOUBLE_EQ(wide.width, 10500);
    EXPECT_DOUBLE_EQ(wide.height, 7875);
    const auto tall = fitPictureToPage(600, 1000, 8000, 10500);
    EXPECT_DOUBLE_EQ(tall.width, 6300);
    EXPECT_DOUBLE_EQ(tall.height, 10500);
}

TEST(PageFit, DegenerateSizesGiveNothing)
{
    EXPECT_EQ(fitPictureToPage(0, 100, 10, 10).width, 0);
    EXPECT_EQ(fitPictureToPage(100, -1, 10, 10).height, 0);
    EXPECT_EQ(fitPictureToPage(100, 100, 0, 10).width, 0);
    EXPECT_EQ(fitPictureToPage(100, 100, 10, std::numeric_limits<double>::quiet_NaN()).width, 0);
}

} // namespace
} // namespace tarvik
