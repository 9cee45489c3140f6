// The calculation definition reader: the shipped files, the record layout
// (two frames, choice rows, the note switch), the file finder, and short and
// hostile files that must give a message and no definition.
#include "core/calc/calcdefinition.h"
#include "core/layout/textfile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace tarvik;

namespace {

// Caption, result, limits, unused, note (3 lines), two outputs, last row 7,
// two frames of 3 and 4 rows.
const char *const kTwoFrames
    = "Test Window\r\nResult\r\n10,-10\r\n0\r\n"
      "Yes, a note\r\nNote Frame\r\n2 lines\r\nNote text, with a comma\r\n"
      "2\r\nOut A\r\nOut B\r\n7\r\n2\r\n3\r\n4\r\n"
      "First\r\ncmbWide\r\n2\r\nYes\r\nNo\r\ncmbNarrow\r\n1\r\nyes\r\nPlain\r\n\"3.5\", .25\r\n"
      "Second\r\nR4\r\n1\r\n0\r\nR5\r\n1\r\n0\r\nR6\r\n1\r\n0\r\ncmbEmpty\r\n0\r\n";

CalcDefinitionResult parse(const std::string &text)
{
    return parseCalcDefinition(text, "TEST.CLC");
}

std::string replaced(std::string text, const std::string &from, const std::string &to)
{
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

} // namespace

TEST(CalcDefinition, ReadsRecordsAndNumbersRowsAcrossFrames)
{
    const CalcDefinitionResult r = parse(kTwoFrames);
    ASSERT_TRUE(r.definition) << r.message;
    const CalcDefinition &d = *r.definition;
    EXPECT_EQ(d.caption, "Test Window");
    EXPECT_DOUBLE_EQ(d.resultMax, 10);
    EXPECT_DOUBLE_EQ(d.resultMin, -10);
    EXPECT_TRUE(d.hasNote);
    EXPECT_EQ(d.noteLines, 2);
    EXPECT_EQ(d.noteText, "Note text, with a comma"); // a line read keeps commas
    EXPECT_EQ(d.outputNames, (std::vector<std::string> { "Out A", "Out B" }));
    EXPECT_EQ(d.frameCaptions[1], "Second");
    ASSERT_EQ(d.rows.size(), 7u);
    EXPECT_TRUE(d.rows[0].isChoice);
    EXPECT_EQ(d.rows[0].caption, "Wide");
    EXPECT_TRUE(d.rows[0].wideLayout);
    EXPECT_FALSE(d.rows[1].wideLayout); // "yes" is not "Yes"
    EXPECT_DOUBLE_EQ(d.rows[2].rowMax, 3.5); // quoted field
    EXPECT_DOUBLE_EQ(d.rows[2].rowMin, 0.25);
    EXPECT_EQ(d.rows[3].frame, 2);
    EXPECT_EQ(d.rows[3].caption, "R4");
    EXPECT_TRUE(d.rows[6].items.empty());
    // Read well, it still does not suit these modes: the table specs need a
    // number box in row 2, the shims 3 outputs.
    EXPECT_NE(calcDefinitionMismatch(CalcMode::TableSpec, d, "T").find("row 2"), std::string::npos);
    EXPECT_NE(calcDefinitionMismatch(CalcMode::Shim, d, "T").find("3 outputs"), std::string::npos);
    EXPECT_EQ(calcDefinitionMismatch(CalcMode { 99 }, d, "T"), "");
}

TEST(CalcDefinition, NoteSwitchInEitherCaseDropsTheNoteRecords)
{
    for (const char *noteSwitch : { "N", "no" }) {
        const std::string text = replaced(kTwoFrames,
            "Yes, a note\r\nNote Frame\r\n2 lines\r\nNote text, with a comma\r\n",
            std::string(noteSwitch) + "\r\n");
        const CalcDefinitionResult r = parse(text);
        ASSERT_TRUE(r.definition) << noteSwitch << ": " << r.message;
        EXPECT_FALSE(r.definition->hasNote);
        EXPECT_EQ(r.definition->rows.size(), 7u);
    }
}

TEST(CalcDefinition, BadFilesGiveAMessageNamingTheFileAndNoDefinition)
{
    struct Case
    {
        const char *from, *to, *why;
    };
    const Case cases[] = {
        { "7\r\n2\r\n3\r\n4\r\n", "7\r\n2\r\n6\r\n5\r\n", "11 rows" },
        { "2\r\nOut A\r\nOut B\r\n", "4\r\nA\r\nB\r\nC\r\nD\r\n", "4 outputs" },
        { "7\r\n2\r\n3\r\n", "7\r\n3\r\n3\r\n", "3 frames" },
        { "cmbNarrow\r\n1\r\n", "cmbNarrow\r\n5\r\n", "more items than the file holds" },
        { "cmbNarrow\r\n1\r\n", "cmbNarrow\r\n-1\r\n", "negative item count" },
        { "cmbNarrow\r\n1\r\n", "cmbNarrow\r\n99999\r\n", "count beyond 16 bits" },
        { "7\r\n2\r\n3\r\n", "seven\r\n2\r\n3\r\n", "count not a number" },
        { "7\r\n2\r\n3\r\n", "12\r\n2\r\n3\r\n", "last row beyond 10" },
    };
    for (const Case &c : cases) {
        const CalcDefinitionResult r = parse(replaced(kTwoFrames, c.from, c.to));
        EXPECT_FALSE(r.definition) << c.why;
        EXPECT_NE(r.message.find("TEST.CLC"), std::string::npos) << c.why << ": " << r.message;
    }
    // Every cut before the last record fails cleanly.
    const std::string full = kTwoFrames;
    const std::size_t lastRecord = full.rfind("0\r\n");
    for (std::size_t n = 0; n < lastRecord; ++n) {
        const CalcDefinitionResult r = parse(full.substr(0, n));
        EXPECT_FALSE(r.definition) << n;
        EXPECT_FALSE(r.message.empty()) << n;
    }
    // Hostile bytes: no crash, and never more than 10 rows or 3 outputs.
    std::string noise;
    for (int i = 0; i < 4000; ++i) {
        noise += static_cast<char>((i * 7919) % 256);
    }
    const CalcDefinitionResult r = parse(noise);
    if (r.definition) {
        EXPECT_LE(r.definition->rows.size(), 10u);
    }
}

TEST(CalcDefinition, FinderIgnoresCaseAndAddsTheMetricSuffix)
{
    const auto dir = std::filesystem::temp_directory_path() / "tarvik-calcdef-finder";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "calc");
    std::ofstream(dir / "calc" / "shimnewm.clc") << kTwoFrames;

    EXPECT_EQ(calcDefinitionFileName(CalcMode::Spring, Units::English), "spring.CLC");
    EXPECT_EQ(calcDefinitionFileName(CalcMode::TableSpec, Units::Metric), "TABLSPECm.CLC");
    EXPECT_EQ(calcDefinitionFileName(CalcMode { 7 }, Units::English), "");
    EXPECT_EQ(
        findCalcDefinitionFile(dir, CalcMode::Shim, Units::Metric), dir / "calc" / "shimnewm.clc");
    EXPECT_TRUE(findCalcDefinitionFile(dir, CalcMode::Shim, Units::English).empty());

    const CalcDefinitionResult missing = loadCalcDefinitionFor(dir, CalcMode::Shim, Units::English);
    EXPECT_FALSE(missing.definition);
    EXPECT_NE(missing.message.find("SHIMNEW.CLC"), std::string::npos) << missing.message;
    EXPECT_TRUE(loadCalcDefinitionFor(dir, CalcMode::Shim, Units::Metric).definition);
    std::filesystem::remove_all(dir);
}

TEST(CalcDefinition, ShippedFilesLoadAndSuitTheirModes)
{
    for (const CalcMode mode :
        { CalcMode::Shim, CalcMode::GainSpec, CalcMode::TableSpec, CalcMode::Spring }) {
        for (const Units units : { Units::English, Units::Metric }) {
            const auto file = findCalcDefinitionFile(TARVIK_SOURCE_DATA_DIR, mode, units);
            ASSERT_FALSE(file.empty()) << calcDefinitionFileName(mode, units);
            const CalcDefinitionResult r = loadCalcDefinition(file);
            ASSERT_TRUE(r.definition) << r.message;
            EXPECT_EQ(calcDefinitionMismatch(mode, *r.definition, file.string()), "");
            EXPECT_LE(r.definition->rows.size(), 10u);
            std::string bytes = readTextFile(file).text;
            const auto lines = std::erase(bytes, '\n');
            EXPECT_EQ(std::erase(bytes, '\r'), lines) << file; // CR LF line ends throughout
        }
    }
}
