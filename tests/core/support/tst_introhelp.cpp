// Intro help flags, the start-up message order and the activation count that
// times the user's-manual reminder; the fit-to-page rule of window printing.
#include "core/support/introhelp.h"
#include "core/support/pagefit.h"

#include <gtest/gtest.h>
#include <limits>

namespace tarvik {
namespace {

// Which check box sets which flag, the start-up order, restarting and the
// tenth activation are checked through the windows and the start-up.
TEST(IntroHelp, StoredFormAndKindsOutOfRange)
{
    // Stored as 0 or 1, any non-zero read as set; the third flag suppresses
    // the manual reminder.
    const auto stored = IntroHelpFlags::fromStored({ 0, 5, 1, 0 });
    EXPECT_EQ(stored.startupKinds(), (std::vector<int> { 0 }));
    EXPECT_TRUE(stored.isSuppressed(kIntroKindManual));
    EXPECT_EQ(stored.toStored(), (std::array<int, kIntroFlagCount> { 0, 1, 1, 0 }));

    IntroHelpFlags none;
    none.recordChoice(7, true);
    none.recordChoice(-1, true);
    none.setFlag(4, true);
    EXPECT_EQ(none.toStored(), (std::array<int, kIntroFlagCount> {}));
    EXPECT_FALSE(none.flag(99));
}

TEST(ActivationCounter, ManualReminderOnlyOnceAndNeverWhenSuppressed)
{
    IntroHelpFlags flags;
    ActivationCounter counter;
    int shown = 0;
    for (int activation = 1; activation <= 150; ++activation) {
        shown += counter.activate(flags) ? 1 : 0;
    }
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(counter.count(), 100); // the count stops

    flags.setFlag(2, true);
    ActivationCounter suppressed;
    for (int activation = 1; activation <= 20; ++activation) {
        EXPECT_FALSE(suppressed.activate(flags));
    }
}

// Which way the page turns for a square, tall and wide window: the window
// printer's test.
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
