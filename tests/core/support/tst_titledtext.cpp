// Titled text and warning text reading: paragraph rules, line ends, short and
// hostile input, case-insensitive lookup, and the help pages we ship.
#include "core/support/helptopic.h"
#include "core/support/shippedtext.h"
#include "core/support/titledtext.h"
#include "core/support/warningtext.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace tarvik {
namespace {

TEST(TitledText, ParagraphRulesAndOddBytes)
{
    const struct
    {
        std::string text, title, body;
    } cases[] = {
        { "", "", "" },
        { "Only a title\r\n", "Only a title", "" },
        { "Only a title", "Only a title", "" },
        { "T\r\nOne\r\ntwo\r\nthree\r\n", "T", "One two three" }, // a paragraph flows
        { "T\r\nOne\r\n\r\ntwo\r\n", "T", "One  two" }, // an empty line adds a space
        { "T\r\nOne\r\n \r\nTwo\r\n", "T", "One\r Two" }, // a single space ends it
        { "T\r\nSome text\r\n  Step 1\r\nMore\r\n", "T", "Some text  Step 1\r More" },
        { "T\r\n  indented start\r\nnext\r\n", "T", "  indented start next" },
        { "T\nOne\n  Two\nThree", "T", "One  Two\r Three" },
        { "\xEF\xBB\xBFTitle\r\nBody\r\n", "Title", "Body" }, // byte order mark skipped
        { "T\r\na\rb\r\n", "T", "a\rb" }, // a lone CR is kept
        { std::string("T\0x\nb\0\n", 7), std::string("T\0x", 3), std::string("b\0", 2) },
    };
    for (const auto &c : cases) {
        const TitledText parsed = parseTitledText(c.text);
        EXPECT_EQ(parsed.title, c.title) << c.text;
        EXPECT_EQ(parsed.body, c.body) << c.text;
    }
}

class TextFolder : public testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path()
            / ("tarvik-support-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed())
                + "-" + testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    void write(const std::string &name, const std::string &bytes)
    {
        std::ofstream(m_dir / name, std::ios::binary) << bytes;
    }

    std::filesystem::path m_dir;
};

TEST_F(TextFolder, MissingFolderNamedOrOversizedFileGivesEmptyPage)
{
    EXPECT_TRUE(readWarningText(m_dir).empty());
    std::filesystem::create_directories(m_dir / "helpm1.txt");
    write("helpg0.txt", "Title\n" + std::string(kMaxShippedTextBytes, 'x'));
    for (const char *name : { "helpm0.txt", "helpm1.txt", "helpg0.txt" }) {
        const auto page = readTitledText(m_dir, name);
        EXPECT_TRUE(page.title.empty()) << name;
        EXPECT_TRUE(page.body.empty()) << name;
    }
}

TEST_F(TextFolder, FileNameMatchesIgnoringCase)
{
    write("HELPM3.TXT", "Upper\r\nbody\r\n");
    const auto page = readTitledText(m_dir, "helpm3.txt");
    EXPECT_EQ(page.title, "Upper");
    EXPECT_EQ(page.body, "body");
    EXPECT_FALSE(findFileIgnoringCase(m_dir, "../HELPM3.TXT"));
}

TEST_F(TextFolder, WarningKeepsLinesJoinedByCrLfUpToThirtyOne)
{
    write("warning.txt", "first\n  second\n\nfourth\n");
    EXPECT_EQ(readWarningText(m_dir), "first\r\n  second\r\n\r\nfourth");

    std::string many;
    for (int i = 0; i < 40; ++i) {
        many += "line" + std::to_string(i) + "\r\n";
    }
    EXPECT_EQ(parseWarningText(many).find("line31"), std::string::npos);
    EXPECT_NE(parseWarningText(many).find("line30"), std::string::npos);
}

TEST(WarningText, OnlyThreeSpacesIsBlank)
{
    EXPECT_TRUE(isBlankWarning("   "));
    EXPECT_FALSE(isBlankWarning("  "));
    EXPECT_FALSE(isBlankWarning("    "));
    EXPECT_FALSE(isBlankWarning(""));
}

// Every page a window can reach must be shipped, titled and worth reading.
TEST(ShippedHelp, EveryPageOfEveryGroupHasTitleAndBody)
{
    const std::filesystem::path folder = std::filesystem::path(TARVIK_SOURCE_DATA_DIR) / "TKTEXT";
    for (const int group :
        { kHelpGroupMain, kHelpGroupShimCalc, kHelpGroupGainSpec, kHelpGroupTableSpec,
            kHelpGroupSpring, kHelpGroupGraph, kHelpGroupGraphOptions, kHelpGroupCamberTable }) {
        const auto info = findHelpGroup(group);
        ASSERT_TRUE(info);
        for (int page = 0; page <= info->lastPage; ++page) {
            const auto name = helpPageFileName(group, page);
            SCOPED_TRACE(name);
            const auto text = readTitledText(folder, name);
            EXPECT_FALSE(text.title.empty());
            EXPECT_GT(text.body.size(), 200u);
            // The window is sized to the text: a page must fit on a laptop screen.
            EXPECT_LT(text.body.size(), 2600u);
        }
    }
    EXPECT_FALSE(readWarningText(folder).empty());
}

} // namespace
} // namespace tarvik
