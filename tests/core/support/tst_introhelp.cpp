// Intro help flags, the start-up message order and the activation count that
// times the user's-manual reminder; the fit-to-page rule of window printing.
#include "core/support/introhelp.h"
#include "core/support/pagefit.h"

#include <gtest/gtest.h>
#include <limits>

namespace tarvik {
namespace {

TEST(IntroHelp, CheckBoxStoresIntoTheKindsFlag)
{
    IntroHelpFlags flags;
    EXPECT_EQ(flags.startupKinds(), (std::vector<int> { 0, 1 }));

    flags.recordChoice(kIntroKindHelpBox, true);
    EXPECT_TRUE(flags.flag(0));
    EXPECT_EQ(flags.startupKinds(), (std::vector<int> { 1 }));

    flags.recordChoice(kIntroKindOpenFile, true);
    EXPECT_TRUE(flags.startupKinds().empty());

    // The manual reminder's box is tied to flag 2, the one the settings keep.
    flags.recordChoice(kIntroKindManual, true);
    EXPECT_TRUE(flags.flag(2));
    EXPECT_FALSE(flags.flag(3));
    EXPECT_TRUE(flags.isSuppressed(kIntroKindManual));

    flags.recordChoice(kIntroKindOpenFile, false);
    EXPECT_EQ(flags.startupKinds(), (std::vector<int> { 1 }));

    flags.restartShowing();
    for (int i = 0; i < kIntroFlagCount; ++i) {
        EXPECT_FALSE(flags.flag(i));
    }
}

TEST(IntroHelp, RoundTripsThroughTheStoredForm)
{
    const auto flags = IntroHelpFlags::fromStored({ 0, 5, 1, 0 });
    EXPECT_EQ(flags.startupKinds(), (std::vector<int> { 0 }));
    EXPECT_TRUE(flags.isSuppressed(kIntroKindManual));
    EXPECT_EQ(flags.toStored(), (std::array<int, kIntroFlagCount> { 0, 1, 1, 0 }));
}

TEST(IntroHelp, KindsWithoutAFlagAreIgnored)
{
    IntroHelpFlags flags;
    flags.recordChoice(7, true);
    flags.recordChoice(-1, true);
    flags.setFlag(4, true);
    for (int i = 0; i < kIntroFlagCount; ++i) {
        EXPECT_FALSE(flags.flag(i));
    }
    EXPECT_FALSE(flags.flag(99));
}

TEST(ActivationCounter, ManualReminderOnTenthActivationOnlyUnlessSuppressed)
{
    IntroHelpFlags flags;
    ActivationCounter counter;
    int shownAt = 0;
    for (int activation = 1; activation <= 150; ++activation) {
        if (counter.activate(flags)) {
            EXPECT_EQ(shownAt, 0) << "shown twice";
            shownAt = activation;
        }
    }
    EXPECT_EQ(shownAt, 10);
    EXPECT_EQ(counter.count(), 100);

    flags.setFlag(2, true);
    ActivationCounter suppressed;
    for (int activation = 1; activation <= 20; ++activation) {
        EXPECT_FALSE(suppressed.activate(flags));
    }
}

constexpr double kTolerance = 1e-9;

TEST(PageFit, SquarePicturePrintsPortraitAcrossThePageWidth)
{
    EXPECT_EQ(orientationForPicture(500, 500), PageOrientation::Portrait);
    const auto size = fitPictureToPage(500, 500, 8000, 10500);
    EXPECT_NEAR(size.width, 8000, kTolerance);
    EXPECT_NEAR(size.height, 8000, kTolerance);
}

TEST(PageFit, WidePictureTurnsThePageAndFitsTheTighterSide)
{
    EXPECT_EQ(orientationForPicture(800, 600), PageOrientation::Landscape);
    // Landscape page 10500 x 8000: the picture (ratio .75) is limited by the height.
    const auto size = fitPictureToPage(800, 600, 10500, 8000);
    EXPECT_NEAR(size.height, 7875, kTolerance);
    EXPECT_NEAR(size.width, 10500, kTolerance);
    const auto tall = fitPictureToPage(600, 1000, 8000, 10500);
    EXPECT_NEAR(tall.height, 10500, kTolerance);
    EXPECT_NEAR(tall.width, 6300, kTolerance);
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
