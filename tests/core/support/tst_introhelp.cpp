// Intro help flags, the start-up message order and the activation count that
// times the user's-manual reminder.
#include "core/support/introhelp.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace tarvik
