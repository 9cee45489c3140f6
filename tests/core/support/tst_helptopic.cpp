// Help topics: the page-file rule at its edges and the clamped start page.
// Every reachable page of every group is read in tst_titledtext.cpp
// (ShippedHelp), so a wrong prefix fails there; the help window's test
// walks the main group's pages and opens an unknown group.
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

    EXPECT_EQ(HelpTopic(500).fileName(), "");
    EXPECT_EQ(HelpTopic(kHelpGroupCamberTable, 9).page(), 2);
    EXPECT_EQ(HelpTopic(kHelpGroupCamberTable, -3).page(), 0);
}

} // namespace
} // namespace tarvik
