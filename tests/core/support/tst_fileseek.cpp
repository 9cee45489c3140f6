// The file seek on a small tree made for each test: the "*.qmk" rule, the
// single/none/many outcomes, links not followed, the full list and a stop
// keeping what was found; the mount table and the search-path lookup. The
// seek window's tests run the walk on its thread, paused by Halt.
#include "core/support/fileseek.h"
#include "core/support/mounttable.h"
#include "core/support/viewerprograms.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tarvik {
namespace {

class SeekTree : public testing::Test
{
protected:
    void SetUp() override
    {
        m_root = fs::temp_directory_path()
            / ("tarvik-seek-" + std::to_string(::getpid()) + "-"
                + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_root);
        // root/a holds our data; root/b does not; root/c/d is one level deeper.
        for (const char *file : { "a/setup.bin", "a/TKCNFG-32.QMK", "a/firefox", "b/SETUP.BIN",
                 "b/FireFox", "c/d/firefox", "c/d/notes.qmk.txt" }) {
            touch(m_root / file);
        }
        fs::create_directory_symlink(m_root, m_root / "a" / "loop"); // back to the root
        fs::create_directory_symlink(m_root / "c", m_root / "link-to-c");
        fs::create_directory(m_root / "b" / "setup.bin.d");
    }
    void TearDown() override { fs::remove_all(m_root); }

    static void touch(const fs::path &file)
    {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "x";
    }
    SeekRequest request(std::string name, bool anyFolder) const
    {
        return { m_root.string(), std::move(name), anyFolder };
    }
    std::string at(const char *relative) const { return (m_root / relative).string(); }

    fs::path m_root;
};

TEST_F(SeekTree, OutcomesInDepthFirstOrder)
{
    FileSeek seek(request("Setup.Bin", false));
    while (seek.step(1)) { }
    EXPECT_EQ(seek.state(), SeekState::Completed);
    // root, a, b, b/setup.bin.d, c, c/d; the links are not followed.
    EXPECT_EQ(seek.foldersSearched(), 6u);
    EXPECT_EQ(seek.outcome(), SeekOutcome::Single);
    EXPECT_EQ(seek.singleResult(), at("a/setup.bin"));

    // "notes.qmk.txt" is not a "*.qmk" file, so c/d is not one of our folders.
    FileSeek notOurs(request("firefox", false));
    notOurs.step(100);
    EXPECT_EQ(notOurs.found(), (std::vector<std::string> { at("a/firefox") }));

    ASSERT_FALSE(makeSeekRequest("/", "tarvik").acceptAnyFolder);
    FileSeek viewer(makeSeekRequest(m_root.string(), "FIREFOX"));
    viewer.step(1000);
    EXPECT_EQ(viewer.outcome(), SeekOutcome::Many);
    EXPECT_EQ(viewer.found(),
        (std::vector<std::string> { at("a/firefox"), at("b/FireFox"), at("c/d/firefox") }));
    EXPECT_EQ(viewer.foundFrom(2), (std::vector<std::string> { at("c/d/firefox") }));
    EXPECT_TRUE(viewer.foundFrom(3).empty());
    EXPECT_EQ(viewer.singleResult(), "");

    FileSeek none(request("evince", true));
    none.step(1000);
    EXPECT_EQ(none.outcome(), SeekOutcome::NotFound);
    EXPECT_EQ(none.failureText(), "");
    for (const std::string &root : { at("a/setup.bin"), at("missing") }) {
        FileSeek nothing({ root, "setup.bin", true });
        EXPECT_FALSE(nothing.step(1));
        EXPECT_EQ(nothing.state(), SeekState::Completed);
        EXPECT_EQ(nothing.foldersSearched(), 0u);
    }
}

TEST_F(SeekTree, StopKeepsWhatWasFound)
{
    FileSeek halted(request("firefox", true));
    EXPECT_TRUE(halted.step(2));
    EXPECT_EQ(halted.foldersSearched(), 2u);
    halted.stop();
    EXPECT_EQ(halted.state(), SeekState::Stopped);
    EXPECT_FALSE(halted.step(1));
    EXPECT_EQ(halted.found(), (std::vector<std::string> { at("a/firefox") }));
}

TEST_F(SeekTree, FullListStopsTheSearch)
{
    SeekRequest small = request("firefox", true);
    small.maxFinds = 2;
    FileSeek seek(small);
    seek.step(1000);
    EXPECT_EQ(seek.state(), SeekState::TooMany);
    EXPECT_EQ(seek.foundCount(), 2u);
    EXPECT_EQ(seek.failureText(), kSeekTooManyText);
}

TEST_F(SeekTree, UsableResultsAndTexts)
{
    EXPECT_TRUE(isUsableSeekResult(at("a/firefox")));
    for (const std::string &bad : { std::string(), std::string("firefox"), at("a"), at("gone") }) {
        EXPECT_FALSE(isUsableSeekResult(bad)) << bad;
    }
    // The texts name what is looked for, spelled right.
    EXPECT_EQ(seekNotFoundText("/home", "firefox").substr(0, 50),
        "Could not find the web browser firefox in /home.  ");
    EXPECT_EQ(seekInstructionText("evince").substr(0, 59),
        "Choose the file system to search for the PDF viewer evince,");
    EXPECT_EQ(seekFoundCaption(0, "evince"), "0 occurrences found of evince");
    EXPECT_EQ(seekFoundCaption(1, "evince"), "1 occurrence found of evince");
}

TEST_F(SeekTree, SearchPathLookup)
{
    touch(m_root / "bin" / "viewer");
    fs::permissions(m_root / "bin" / "viewer", fs::perms::owner_all);
    touch(m_root / "bin2" / "viewer");
    fs::permissions(m_root / "bin2" / "viewer", fs::perms::owner_read);
    fs::create_directories(m_root / "bin3" / "viewer");
    const std::string bin = at("bin"), bin2 = at("bin2"), bin3 = at("bin3");

    EXPECT_EQ(findExecutableOnPath("viewer", "::" + bin3 + ":" + bin2 + ":" + bin + "/"),
        bin + "/viewer");
    EXPECT_EQ(findExecutableOnPath("viewer", bin3 + ":" + bin2), "");
    EXPECT_EQ(findExecutableOnPath("bin/viewer", m_root.string()), "");
    EXPECT_EQ(findExecutableOnPath("", bin), "");
}

TEST(MountTable, OffersRealFileSystemsRootFirst)
{
    const auto table = parseMountTable("sysfs /sys sysfs rw 0 0\n"
                                       "/dev/sdb1 /media/USB\\040Stick vfat rw 0 0\n"
                                       "/dev/sda1 / ext4 rw 0 0\n"
                                       "broken-line\n"
                                       "tmpfs /run tmpfs rw 0 0\n"
                                       "x relative ext4 rw\n"
                                       "/dev/sda2\t/home\text4 rw 0 0\r\n"
                                       "/dev/sda3 /home ext4 rw 0 0\n"
                                       "odd /a\\\\b\\9 ext4");
    ASSERT_EQ(table.size(), 7u);
    EXPECT_EQ(table[1], (MountEntry { "/dev/sdb1", "/media/USB Stick", "vfat" }));
    EXPECT_EQ(table[4], (MountEntry { "/dev/sda2", "/home", "ext4" }));
    EXPECT_EQ(table[6].mountPoint, "/a\\\\b\\9");
    EXPECT_EQ(searchableMountPoints(table),
        (std::vector<std::string> { "/", "/media/USB Stick", "/home", "/a\\\\b\\9" }));

    EXPECT_EQ(searchableMountPoints({}), (std::vector<std::string> { "/" }));
    EXPECT_EQ(mountedFileSystems("/nonexistent/mounts"), (std::vector<std::string> { "/" }));
    EXPECT_EQ(mountedFileSystems().front(), "/");
    EXPECT_FALSE(readMountTableText("/proc/self/mounts", 4).has_value());
}

} // namespace
} // namespace tarvik
