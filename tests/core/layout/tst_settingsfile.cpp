// The settings file: a full round trip of all 258 records, short files that
// leave later settings at their start values, the shipped default file, and
// a save that fails without touching the old file.
#include "core/layout/settingsfile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace tarvik {
namespace {

namespace fs = std::filesystem;

Settings everySettingSet()
{
    Settings s;
    s.units = Units::English;
    s.entryMode = EntryMode::LengthAndAngle;
    s.extensionLines = true;
    s.gainPassSwitch = 1;
    s.GainSpecChoice = 1;
    s.GainDiveText = "1.5";
    s.GainRollText = "-2";
    s.tableSpec = { 1, "-2", "2", 3, "-4", "4", 2 };
    s.baseline.BaselineSpec = { 0, "-1", "1", 1, "-3", "3", 4 };
    s.baseline.ShowBaseline = 1;
    s.baseline.BaselineIsSaved = 1;
    for (int side = 0; side < 2; ++side)
        for (int row = 0; row < kMaxTableRows; ++row)
            for (int col = 0; col < kMaxTableColumns; ++col)
                s.baseline.BaselineData[side][row][col]
                    = (row + col) % 4 == 0 ? "" : std::to_string(side * 1000 + row * 20 + col);
    s.darkGrayBackground = true;
    s.camberFollowsEdits = true;
    s.graph = { 2, 3, 4, 5, "Camber, deg, vs roll", "Current, new springs", "  Baseline" };
    s.baseline.BaselineComment = "Track day, \"wet\"";
    s.introHelp.setFlag(0, true);
    s.introHelp.setFlag(2, true);
    s.introHelp.setFlag(3, true); // not stored
    s.webBrowserPath = "/usr/bin/firefox";
    s.pdfViewerFolder = "/usr/bin";
    return s;
}

TEST(SettingsFile, RoundTripOfAll258Records)
{
    const Settings s = everySettingSet();
    const std::string text = settingsFileText(s);
    const auto r = parseSettingsText(text);
    EXPECT_EQ(r.recordsRead, kSettingsRecords);
    EXPECT_EQ(settingsFileText(r.settings), text);
    EXPECT_TRUE(r.settings.introHelp.flag(2));
    EXPECT_FALSE(r.settings.introHelp.flag(3)); // the fourth flag is not stored
    // The baseline's ranges are stored roll first (records 16-21).
    const std::string head = "0\r\n1\r\n1\r\n1\r\n1\r\n1.5\r\n-2\r\n"
                             "1\r\n-2\r\n2\r\n3\r\n-4\r\n4\r\n2\r\n"
                             "0\r\n-3\r\n3\r\n4\r\n-1\r\n1\r\n1\r\n";
    EXPECT_EQ(text.substr(0, head.size()), head);

    // Baseline cells, right grid then left, row by row, column fastest
    // (records 24 to 243), then the tail of the file (244 to 258).
    std::vector<std::string> line { "" }; // line[n] is record n
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
         start = end + 2)
        line.push_back(text.substr(start, end - start));
    ASSERT_EQ(line.size(), kSettingsRecords + 1u); // every record ends in CR LF
    EXPECT_EQ(line[24], ""); // right grid, row 1, column 1 (left empty above)
    EXPECT_EQ(line[25], "1"); // right, row 1, column 2
    EXPECT_EQ(line[35], "20"); // right, row 2, column 1
    EXPECT_EQ(line[135], "1001"); // left, row 1, column 2
    EXPECT_EQ(line[243], "1190"); // left, row 10, column 11
    const std::vector<std::string> tail { "1", "1", "2", "3", "4", "5", "Camber, deg, vs roll",
        "Current, new springs", "  Baseline", "Track day, \"wet\"", "1", "0", "1",
        "/usr/bin/firefox", "/usr/bin" };
    EXPECT_EQ(std::vector<std::string>(line.begin() + 244, line.begin() + 259), tail);
}

TEST(SettingsFile, ShortFileLeavesLaterSettingsAtStartValues)
{
    const auto afterOne = parseSettingsText("1\r\n");
    EXPECT_EQ(afterOne.recordsRead, 1);
    EXPECT_EQ(afterOne.settings.units, Units::Metric);
    EXPECT_EQ(afterOne.settings.tableSpec.DiveFrom, "");

    // Cut at every record boundary: the read part matches, the rest is unset.
    const Settings full = everySettingSet();
    const std::string text = settingsFileText(full);
    std::size_t cut = 0;
    for (int kept = 0; kept <= kSettingsRecords; kept += 37) {
        cut = 0;
        for (int i = 0; i < kept; ++i)
            cut = text.find("\r\n", cut) + 2;
        const auto r = parseSettingsText(text.substr(0, cut));
        EXPECT_EQ(r.recordsRead, kept);
        const std::string back = settingsFileText(r.settings);
        EXPECT_EQ(back.substr(0, cut), text.substr(0, cut));
    }
}

TEST(SettingsFile, LenientFieldsAndHostileInput)
{
    const auto r = parseSettingsText("0,1, 1\n0\n7\n\"a,b\"\nxyz\n99999\n");
    EXPECT_EQ(r.settings.entryMode, EntryMode::LengthAndAngle);
    EXPECT_TRUE(r.settings.extensionLines);
    EXPECT_EQ(r.settings.GainSpecChoice, 7);
    EXPECT_EQ(r.settings.GainDiveText, "a,b");
    EXPECT_EQ(r.settings.GainRollText, "xyz");
    EXPECT_EQ(r.settings.tableSpec.RowsAreRoll, 0); // out of 16-bit range
    EXPECT_LE(parseSettingsText(std::string(100000, ',')).recordsRead, kSettingsRecords);
    EXPECT_LE(parseSettingsText(std::string(100, '\0')).recordsRead, kSettingsRecords);
    EXPECT_EQ(parseSettingsText("\"unclosed").recordsRead, 1);
}

TEST(SettingsFile, SwitchesReadOtherNumbersAsTheProgramAlwaysDid)
{
    // One record per line; the two display switches follow the baseline's cells.
    std::vector<std::string> records;
    const std::string text = settingsFileText(Settings {});
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        records.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    const std::size_t background = 23 + 2 * kMaxTableRows * kMaxTableColumns;
    records[0] = "-3"; // units: any but 0 is metric
    records[1] = "2"; // entry mode
    records[2] = "2"; // extension lines
    records[background] = "-1";
    records[background + 1] = "2"; // camber follows edits
    std::string edited;
    for (const std::string &r : records)
        edited += r + "\r\n";
    const Settings read = parseSettingsText(edited).settings;
    EXPECT_EQ(read.units, Units::Metric);
    EXPECT_EQ(read.entryMode, EntryMode::XAndHeight);
    EXPECT_TRUE(read.extensionLines);
    EXPECT_TRUE(read.darkGrayBackground);
    EXPECT_FALSE(read.camberFollowsEdits);
    // Written back as the plain switches they read as.
    const std::string again = settingsFileText(read);
    EXPECT_EQ(again.substr(0, 9), "1\r\n0\r\n1\r\n");
}

TEST(SettingsFile, ShippedDefaultsAreUseful)
{
    const auto r = readSettingsFile(fs::path(TARVIK_SOURCE_DATA_DIR) / kSettingsFileName);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.recordsRead, kSettingsRecords);
    EXPECT_TRUE(r.settings.extensionLines);
    EXPECT_EQ(r.settings.tableSpec, (TableSpec { 0, "-2", "2", 1, "-4", "4", 1 }));
    EXPECT_EQ(r.settings.introHelp.flag(0), false);
}

TEST(SettingsFile, WriteReplacesSafely)
{
    const fs::path dir = fs::temp_directory_path() / "tarvik-settings-test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    ASSERT_TRUE(writeSettingsFile(dir / kSettingsFileName, everySettingSet()).ok);
    const auto back = readSettingsFile(dir / kSettingsFileName);
    EXPECT_TRUE(back.found);
    EXPECT_EQ(settingsFileText(back.settings), settingsFileText(everySettingSet()));
    const auto failed = writeSettingsFile(dir / "no" / kSettingsFileName, Settings {});
    EXPECT_FALSE(failed.ok);
    EXPECT_NE(failed.message.find(kSettingsFileName), std::string::npos);
    EXPECT_FALSE(readSettingsFile(dir / "missing.qmk").found);
    fs::remove_all(dir);
}

} // namespace
} // namespace tarvik
