// The baseline file of one table quantity: what is written reads back the
// same, and every damaged or foreign file is refused whole.
#include "core/table/baselinefile.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace tarvik;

namespace {

BaselineState sample()
{
    BaselineState b;
    b.BaselineSpec = { 1, "-2", "2", 1, "-4.0", "4", 3 };
    b.ShowBaseline = 1;
    b.BaselineIsSaved = 1;
    b.BaselineComment = "Soft springs, \"B\" bar";
    b.BaselineData[0][0] = { "3.69", "-.25", "", "12.00" };
    b.BaselineData[1][9][10] = "a,b";
    return b;
}

// The sample's file text with one line replaced (1-based), or cut after it.
std::string edited(int line, const std::string &replacement, bool cut = false)
{
    const std::string text = baselineFileText(sample(), TableQuantity::RollCenterHeight);
    std::string out;
    std::size_t pos = 0;
    for (int n = 1; pos < text.size(); ++n) {
        const std::size_t end = text.find("\r\n", pos) + 2;
        out += n == line ? replacement + "\r\n" : text.substr(pos, end - pos);
        pos = end;
        if (cut && n == line) {
            break;
        }
    }
    return out;
}

} // namespace

TEST(BaselineFile, RoundTripKeepsEveryField)
{
    const std::string text = baselineFileText(sample(), TableQuantity::RollCenterHeight);
    EXPECT_TRUE(text.starts_with("TARVIK-BASELINE,1\r\nquantity,rc-height\r\nspec,1,-2,2,1,"
                                 "-4.0,4,3\r\nshow,1\r\nsaved,1\r\ncomment,\"Soft springs, "
                                 "\"\"B\"\" bar\"\r\nright,1,3.69,-.25,,12.00,"))
        << text;
    BaselineFileResult read = parseBaselineText(text);
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(read.quantity, TableQuantity::RollCenterHeight);
    EXPECT_EQ(read.baseline, sample());

    // LF line ends and trailing blank lines are fine; line breaks in texts
    // cannot survive a one-line record and are dropped.
    std::string lf = text;
    std::erase(lf, '\r');
    EXPECT_TRUE(parseBaselineText(lf + "\n\n").ok);
    BaselineState broken = sample();
    broken.BaselineComment = "two\r\nlines";
    read = parseBaselineText(baselineFileText(broken, TableQuantity::Camber));
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(read.baseline.BaselineComment, "twolines");
}

TEST(BaselineFile, DamagedFilesAreRefusedWhole)
{
    const std::pair<std::string, std::string> cases[] = {
        { "", "line 1: the file ends before its 'TARVIK-BASELINE' record" },
        { edited(1, "TARVIK-BASELINE,2"), "version 2" },
        { edited(2, "quantity,roll"), "'roll' is not a table quantity" },
        { edited(3, "spec,1,-2,2,x,-4,4,3"), "line 3: 'x' is not a whole number" },
        { edited(3, "spec,1,-2,2,1,-4,4,99999"), "'99999' is not a whole number" },
        { edited(3, "spec,1,-2,2,1,-4,4"), "holds 6 values, not 7" },
        { edited(4, "saved,1"), "line 4: expected the 'show' record" },
        { edited(6, "comment,\"open"), "line 6: a field is not quoted properly" },
        { edited(6, "comment,\"a\"b"), "not quoted properly" },
        { edited(6, "comment,a\"b"), "not quoted properly" },
        { edited(6, "comment,\"a\rb\""), "line 6: a line holds a carriage return" },
        { edited(9, "right,4,1,2,3,4,5,6,7,8,9,10,11"), "line 9: the right rows are not numbered" },
        { edited(26, "left,10,1,2,3,4,5,6,7,8,9,10,11", true), "" },
        { edited(25, "left,9,1,2,3,4,5,6,7,8,9,10,11", true), "ends before its 'left' record" },
        { edited(26, "left,10,1,2,3,4,5,6,7,8,9,10,11") + "extra\r\n", "line 27: there is more" },
    };
    for (const auto &[text, message] : cases) {
        const BaselineFileResult read = parseBaselineText(text);
        if (message.empty()) {
            EXPECT_TRUE(read.ok) << read.message;
            continue;
        }
        EXPECT_FALSE(read.ok) << message;
        EXPECT_NE(read.message.find(message), std::string::npos) << read.message;
        EXPECT_EQ(read.baseline, BaselineState {}); // nothing half-read is handed out
    }
}

TEST(BaselineFile, ReadsOnlyItsOwnQuantity)
{
    const std::filesystem::path dir
        = std::filesystem::temp_directory_path() / "tarvik-baselinefile-test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::filesystem::path file = dir / baselineFileName(TableQuantity::RollCenterLateral);
    BaselineFileResult read = readBaselineFile(file, TableQuantity::RollCenterLateral);
    EXPECT_FALSE(read.ok || read.found);

    ASSERT_TRUE(writeBaselineFile(file, sample(), TableQuantity::RollCenterLateral).ok);
    EXPECT_TRUE(readBaselineFile(file, TableQuantity::RollCenterLateral).ok);
    read = readBaselineFile(file, TableQuantity::RollCenterHeight);
    EXPECT_FALSE(read.ok);
    EXPECT_TRUE(read.found);
    EXPECT_NE(read.message.find("holds the Roll Center Lateral baseline"), std::string::npos);
    EXPECT_EQ(read.baseline, BaselineState {});
    std::filesystem::remove_all(dir);
}
