// Help topics: group table, page file names and the page moves of the help
// window.
#include "support/helptopic.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

TEST(HelpTopic, FileNamesFollowPrefixAndPage)
{
    EXPECT_EQ(helpPageFileName(kHelpGroupMain, 0), "helpm0.txt");
    EXPECT_EQ(helpPageFileName(kHelpGroupMain, 7), "helpm7.txt");
    EXPECT_EQ(helpPageFileName(kHelpGroupShimCalc, 1), "helpsh1.txt");
    EXPECT_EQ(helpPageFileName(kHelpGroupGainSpec, 0), "helpb0.txt");
    EXPECT_EQ(helpPageFileName(kHelpGroupTableSpec, 0), "helpc0.txt");
    EXPECT_EQ(helpPageFileName(kHelpGroupGraph, 0), "helpg0.txt");
    EXPECT_EQ(helpPageFileName(kHelpGroupGraphOptions, 1), "helph1.txt");
    EXPECT_EQ(helpPageFileName(kHelpGroupCamberTable, 1), "helpt1.txt");
    // The calculation window asks with mode x 100; the spring mode (11) has no help group.
    EXPECT_EQ(helpPageFileName(1100, 0), "");
    EXPECT_EQ(helpPageFileName(kHelpGroupMain, 8), "");
    EXPECT_EQ(helpPageFileName(kHelpGroupMain, -1), "");
}

TEST(HelpTopic, WalksTheMainGroupAndStopsAtEitherEnd)
{
    HelpTopic topic(kHelpGroupMain);
    EXPECT_EQ(topic.lastPage(), 7);
    EXPECT_FALSE(topic.canGoBack());
    EXPECT_TRUE(topic.canGoForward());
    for (int i = 0; i < 7; ++i) {
        topic.next();
    }
    EXPECT_EQ(topic.page(), 7);
    EXPECT_EQ(topic.fileName(), "helpm7.txt");
    EXPECT_TRUE(topic.canGoBack());
    EXPECT_FALSE(topic.canGoForward());
    topic.next();
    EXPECT_EQ(topic.page(), 7);
    topic.previous();
    EXPECT_EQ(topic.page(), 6);
}

TEST(HelpTopic, UnknownGroupHasNoPagesAndOutOfRangePagesAreClamped)
{
    const HelpTopic unknown(500);
    EXPECT_FALSE(unknown.isKnownGroup());
    EXPECT_EQ(unknown.fileName(), "");
    EXPECT_FALSE(unknown.canGoBack());
    EXPECT_FALSE(unknown.canGoForward());

    EXPECT_EQ(HelpTopic(kHelpGroupCamberTable, 9).page(), 1);
    EXPECT_EQ(HelpTopic(kHelpGroupCamberTable, -3).page(), 0);
}

} // namespace
} // namespace tarvik
