// Help topics: the page-file rule at its edges and the page moves of the
// help window. Every reachable page of every group is read in
// tst_titledtext.cpp (ShippedHelp), so a wrong prefix fails there.
#include "core/support/helptopic.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

TEST(HelpTopic, FileNamesAndPagesStayInsideTheGroup)
{
    EXPECT_EQ(helpPageFileName(kHelpGroupShimCalc, 1), "helpsh1.txt"); // two-letter prefix
    // The calculation window asks with mode x 100, so the spring mode (11) with 1100.
    EXPECT_EQ(helpPageFileName(kHelpGroupSpring, 0), "helpsp0.txt");
    EXPECT_EQ(helpPageFileName(kHelpGroupSpring, 1), "");
    EXPECT_EQ(helpPageFileName(kHelpGroupMain, 8), "");
    EXPECT_EQ(helpPageFileName(kHelpGroupMain, -1), "");

    HelpTopic topic(kHelpGroupMain);
    for (int i = 0; i < 7; ++i) {
        topic.next();
    }
    EXPECT_EQ(topic.fileName(), "helpm7.txt");
    EXPECT_FALSE(topic.canGoForward());
    topic.next();
    EXPECT_EQ(topic.page(), 7);

    const HelpTopic unknown(500);
    EXPECT_FALSE(unknown.isKnownGroup());
    EXPECT_EQ(unknown.fileName(), "");
    EXPECT_FALSE(unknown.canGoBack() || unknown.canGoForward());
    EXPECT_EQ(HelpTopic(kHelpGroupCamberTable, 9).page(), 2);
    EXPECT_EQ(HelpTopic(kHelpGroupCamberTable, -3).page(), 0);
}

} // namespace
} // namespace tarvik
