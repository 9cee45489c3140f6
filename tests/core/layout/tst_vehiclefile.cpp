// Vehicle files: the shipped layouts as we write them, round trips of the
// 44 texts, type, units and comment, refused files, hostile input, and the
// safe replacement of the file on save. The golden cases read the fields of
// CR LF and LF-only files.
#include "core/layout/vehiclefile.h"
#include "support/namedentries.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <string>

namespace tarvik {
namespace {

namespace fs = std::filesystem;

std::string fileText(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A complete file with values "v0".."v55" by entry.
std::string sampleText(const std::string &commentLines, bool terminator)
{
    std::string t = std::string(kVehicleMagic) + "\r\n1\r\n0\r\n";
    for (const int e : inputWalk())
        t += "v" + std::to_string(e) + "\r\n";
    return t + commentLines + (terminator ? "-9999\r\n" : "");
}

VehicleData sampleData()
{
    VehicleData d;
    d.suspensionType = 1;
    d.unitsFlag = 0;
    for (const int e : inputWalk())
        d.record.set(e, e % 3 == 0 ? "" : (e % 3 == 1 ? "12." : "-.5"));
    d.record.set(kDiveEntry, "1");
    d.record.set(kRollEntry, "2.5");
    d.comment = "First line\r\nSecond line\r\n";
    return d;
}

class VehicleFileOnDisk : public ::testing::Test
{
protected:
    void SetUp() override { fs::create_directories(m_dir); }
    void TearDown() override { fs::remove_all(m_dir); }
    const fs::path m_dir = fs::temp_directory_path()
        / (std::string("tarvik-vehicle-")
            + ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST(VehicleFile, ShippedExamplesAreCompleteCrLfFiles)
{
    const struct
    {
        const char *name;
        int type;
    } examples[] = { { "WORKED.TK", 0 }, { "CIRCLE.TK", 0 }, { "STRUT.TK", 1 } };
    for (const auto &e : examples) {
        const fs::path file = fs::path(TARVIK_SOURCE_DATA_DIR) / "tkfiles" / e.name;
        const auto r = readVehicleFile(file);
        ASSERT_TRUE(r.ok) << e.name;
        EXPECT_EQ(r.data.suspensionType, e.type) << e.name;
        EXPECT_FALSE(r.data.comment.empty()) << e.name;
        // Written the same way we write, so CR LF throughout.
        EXPECT_EQ(vehicleFileText(r.data), fileText(file)) << e.name;
    }
}

TEST(VehicleFile, CommentRules)
{
    // One empty line: a comment of one CR LF.
    EXPECT_EQ(parseVehicleText(sampleText("\r\n", true)).data.comment, "\r\n");
    // No terminator: the last line without its line end.
    EXPECT_EQ(parseVehicleText(sampleText("a\r\nb\r\n", false)).data.comment, "a\r\nb");
    EXPECT_EQ(parseVehicleText(sampleText("", false)).data.comment, "");
    // Nothing after the terminator is read.
    EXPECT_EQ(parseVehicleText(sampleText("a\r\n", true) + "junk\r\n").data.comment, "a\r\n");
}

TEST(VehicleFile, OlderSingleByteCommentsBecomeUtf8AndStaySo)
{
    // An older Windows file: "2" and a degree sign as the one byte 0xB0, a
    // Euro sign as 0x80. A UTF-8 comment is left exactly as it is.
    const auto old = parseVehicleText(sampleText("Camber 2\xB0 \x80"
                                                 "5\r\n",
        true));
    ASSERT_TRUE(old.ok);
    EXPECT_EQ(old.data.comment,
        "Camber 2\u00B0 \u20AC"
        "5\r\n");
    const auto again = parseVehicleText(vehicleFileText(old.data));
    EXPECT_EQ(again.data.comment, old.data.comment);
    const std::string utf8 = "Sturz 2\u00B0, Stra\u00DFe \u2014 ok\r\n";
    EXPECT_EQ(parseVehicleText(sampleText(utf8, true)).data.comment, utf8);
}

TEST(VehicleFile, FieldsFollowTheDelimiterRules)
{
    std::string t = std::string(kVehicleMagic) + "\r\n0\r\n0\r\n";
    t += "   12.5\r\n\"1,5\"\r\n3,4\r\n"; // leading spaces, quoted comma, two on one line
    for (int i = 5; i < kInputCount; ++i)
        t += "\r\n";
    t += "\r\n-9999\r\n";
    const auto r = parseVehicleText(t);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.data.record.get(0), "12.5");
    EXPECT_EQ(r.data.record.get(1), "1,5");
    EXPECT_EQ(r.data.record.get(2), "3");
    EXPECT_EQ(r.data.record.get(3), "4");
}

TEST(VehicleFile, RefusedFilesGiveTheBadFileMessage)
{
    const std::string good = sampleText("\r\n", true);
    const std::string cases[] = {
        "", "hello\r\n" + good.substr(13), "QMK-TK*1.1\r\n0\r\n0\r\n",
        good.substr(0, good.find("v55")), // ends before the last input
        std::string(kVehicleMagic) + "\r\n99999\r\n0\r\n", // type not a 16-bit integer
    };
    for (const auto &text : cases) {
        const auto r = parseVehicleText(text);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, "This is not a Tarvik file and can not be used.");
    }
}

TEST(VehicleFile, HostileInputNeverCrashes)
{
    std::string nuls(5000, '\0');
    std::string quotes = std::string(kVehicleMagic) + "\r\n\"0\r\n\"";
    std::string huge = std::string(kVehicleMagic) + "\r\n0\r\n0\r\n" + std::string(200000, '7');
    EXPECT_FALSE(parseVehicleText(nuls).ok);
    EXPECT_FALSE(parseVehicleText(quotes).ok);
    const auto r = parseVehicleText(huge);
    EXPECT_FALSE(r.ok);
    std::string manyFields = std::string(kVehicleMagic) + ",0,0";
    for (int i = 0; i < kInputCount; ++i)
        manyFields += ",x";
    EXPECT_TRUE(parseVehicleText(manyFields).ok); // no line ends at all
}

TEST_F(VehicleFileOnDisk, RoundTripKeepsTextsTypeUnitsAndComment)
{
    const fs::path file = m_dir / "car.tk";
    VehicleData d = sampleData();
    ASSERT_TRUE(writeVehicleFile(file, d).ok);
    const auto r = readVehicleFile(file);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.data.record.allSlots(), d.record.allSlots());
    EXPECT_EQ(r.data.suspensionType, 1);
    EXPECT_EQ(r.data.comment, d.comment);

    // No comment writes one empty line and reads back as one CR LF, which
    // then stays the same over further saves.
    d.comment.clear();
    ASSERT_TRUE(writeVehicleFile(file, d).ok);
    EXPECT_NE(fileText(file).find("\r\n\r\n-9999\r\n"), std::string::npos);
    auto again = readVehicleFile(file);
    EXPECT_EQ(again.data.comment, "\r\n");
    ASSERT_TRUE(writeVehicleFile(file, again.data).ok);
    EXPECT_EQ(readVehicleFile(file).data.comment, "\r\n");

    // A comment without a final line end gains one; LF-only lines become CR LF.
    d.comment = "one\ntwo";
    ASSERT_TRUE(writeVehicleFile(file, d).ok);
    EXPECT_EQ(readVehicleFile(file).data.comment, "one\r\ntwo\r\n");
}

TEST_F(VehicleFileOnDisk, ValuesThatWouldBreakTheLayoutStillReadBack)
{
    const fs::path file = m_dir / "odd.tk";
    VehicleData d;
    d.record.set(kRightUpperBallJointX, "1,5");
    d.record.set(kRightUpperFramePivotX, "  7");
    d.record.set(kRightLowerBallJointX, "a\r\nb");
    d.comment = "keep\r\n-9999\r\nthis";
    ASSERT_TRUE(writeVehicleFile(file, d).ok);
    const auto r = readVehicleFile(file);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.data.record.get(0), "1,5");
    EXPECT_EQ(r.data.record.get(1), "  7");
    EXPECT_EQ(r.data.record.get(2), "ab");
    EXPECT_EQ(r.data.record.get(3), "");
    EXPECT_EQ(r.data.comment, "keep\r\n-9999 \r\nthis\r\n");
    // Written again, the file is byte for byte the same: no drift over saves.
    EXPECT_EQ(vehicleFileText(r.data), fileText(file));
}

// The step a save is to fail at, and the error it fails with.
WriteStep g_failingStep = WriteStep::Create;
int g_failingError = 0;

int failAtStep(WriteStep step)
{
    return step == g_failingStep ? g_failingError : 0;
}

std::size_t entriesIn(const fs::path &folder)
{
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST_F(VehicleFileOnDisk, FailedSaveKeepsThePreviousFileAndLeavesNoTemporary)
{
    const auto missing = readVehicleFile(m_dir / "nothere.tk");
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.message.find("nothere.tk"), std::string::npos);

    const fs::path file = m_dir / "keep.tk";
    ASSERT_TRUE(writeVehicleFile(file, sampleData()).ok);
    const std::string before = fileText(file);
    VehicleData changed = sampleData();
    changed.comment = "a different layout";

    // Each step of a save over the file fails in turn, as a full disk, a
    // failing disk or a refused rename would make it.
    const std::pair<WriteStep, int> faults[] = { { WriteStep::Create, EACCES },
        { WriteStep::Write, ENOSPC }, { WriteStep::Sync, EIO }, { WriteStep::Rename, EXDEV } };
    for (const auto &[step, error] : faults) {
        g_failingStep = step;
        g_failingError = error;
        setWriteFaultHook(failAtStep);
        const auto failed = writeVehicleFile(file, changed);
        setWriteFaultHook(nullptr);
        EXPECT_FALSE(failed.ok) << error;
        EXPECT_FALSE(failed.readOnly);
        EXPECT_NE(failed.message.find("keep.tk"), std::string::npos) << failed.message;
        EXPECT_NE(failed.message.find(std::strerror(error)), std::string::npos) << failed.message;
        EXPECT_EQ(fileText(file), before) << failed.message;
        EXPECT_EQ(entriesIn(m_dir), 1u) << failed.message;
    }

    // A missing folder and a folder as the target are named and leave nothing.
    const auto bad = writeVehicleFile(m_dir / "missing-folder" / "x.tk", sampleData());
    EXPECT_FALSE(bad.ok);
    EXPECT_NE(bad.message.find("x.tk"), std::string::npos);
    EXPECT_FALSE(writeVehicleFile(m_dir, sampleData()).ok);
    EXPECT_EQ(fileText(file), before);
    EXPECT_EQ(entriesIn(m_dir), 1u);

    // Once the fault is gone the same save goes through.
    ASSERT_TRUE(writeVehicleFile(file, changed).ok);
    EXPECT_EQ(readVehicleFile(file).data.comment, "a different layout\r\n");
}

TEST_F(VehicleFileOnDisk, ReadOnlyFileIsRefusedAndAReplacedFileKeepsItsPermissions)
{
    const fs::path file = m_dir / "car.tk";
    ASSERT_TRUE(writeVehicleFile(file, sampleData()).ok);
    const std::string before = fileText(file);
    VehicleData changed = sampleData();
    changed.comment = "changed";

    // chmod 444: refused, named, untouched, still read-only (also for root,
    // whom the system would let write it).
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto refused = writeVehicleFile(file, changed);
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.readOnly);
    EXPECT_NE(refused.message.find("car.tk"), std::string::npos);
    EXPECT_EQ(fileText(file), before);
    EXPECT_EQ(fs::status(file).permissions(),
        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(entriesIn(m_dir), 1u);

    // A writable file with unusual permissions keeps them when replaced.
    const fs::perms own = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(file, own);
    ASSERT_TRUE(writeVehicleFile(file, changed).ok);
    EXPECT_EQ(fs::status(file).permissions(), own);
    EXPECT_EQ(readVehicleFile(file).data.comment, "changed\r\n");

    // Saved through a symbolic link, the linked file is replaced and the link stays.
    const fs::path link = m_dir / "link.tk";
    fs::create_symlink(file, link);
    ASSERT_TRUE(writeVehicleFile(link, sampleData()).ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fileText(file), before);
    EXPECT_EQ(entriesIn(m_dir), 2u);
}

} // namespace
} // namespace tarvik
