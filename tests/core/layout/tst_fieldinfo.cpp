// Field definitions: the shipped files, short and missing files, the
// extended roll range, the whole-number marker, the range message and the
// box validation built on them.
#include "core/layout/entrynumbers.h"
#include "core/layout/entryvalidation.h"
#include "core/layout/fieldinfo.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace tarvik {
namespace {

namespace fs = std::filesystem;

// 56 groups; entry 35 is whole-number (maximum 5000.001), the rest 0 to 40.
std::string definitionsText(int groups = kEntryCount)
{
    std::string t;
    for (int e = 0; e < groups; ++e) {
        t += "Name " + std::to_string(e) + "\r\nDefinition " + std::to_string(e) + "\r\n";
        t += e == 35 ? "5000.001, 0\r\n" : (e % 2 ? "40\r\n0\r\n" : "40,0\r\n");
    }
    return t;
}

TEST(FieldDefinitions, ParsesGroupsWithEitherLimitLayout)
{
    const auto d = parseDefinitions(definitionsText(), false);
    ASSERT_TRUE(d.loaded);
    EXPECT_EQ(d.at(0).name, "Name 0");
    EXPECT_EQ(d.at(1).definition, "Definition 1");
    EXPECT_EQ(d.at(55).name, "Name 55");
    EXPECT_FLOAT_EQ(d.at(7).maximum, 40.0f);
    EXPECT_FLOAT_EQ(d.at(7).minimum, 0.0f);
    EXPECT_FLOAT_EQ(d.at(8).maximum, 40.0f);
    EXPECT_EQ(d.at(4).definition, "Definition 4  (Not required for Instant Center calculation.)");
    for (const int e : { 4, 5, 12, 13, 20, 21, 28, 29 })
        EXPECT_NE(d.at(e).definition.find(kSpringPadNote), std::string::npos) << e;
    EXPECT_EQ(d.at(6).definition, "Definition 6");
    EXPECT_TRUE(d.at(35).wholeNumbersOnly());
    EXPECT_FALSE(d.at(34).wholeNumbersOnly());
    EXPECT_EQ(d.at(99).name, "");
    // The extended roll range overrides entry 55 only.
    const auto extended = parseDefinitions(definitionsText(), true);
    EXPECT_FLOAT_EQ(extended.at(55).minimum, -70.0f);
    EXPECT_FLOAT_EQ(extended.at(55).maximum, 70.0f);
    EXPECT_FLOAT_EQ(extended.at(54).maximum, 40.0f);
}

TEST(FieldDefinitions, ShortOrMissingFilesGiveNoDefinitions)
{
    for (const std::string &text : { std::string(), definitionsText(55),
             definitionsText().substr(0, definitionsText().size() - 5), std::string(3000, '\0') }) {
        const auto d = parseDefinitions(text, true);
        EXPECT_FALSE(d.loaded);
        EXPECT_EQ(d.at(0).name, "");
        EXPECT_FALSE(d.at(55).isOutsideLimits("1000"));
    }
    EXPECT_FALSE(loadDefinitions("/nonexistent/help.txt", false).loaded);
    EXPECT_FALSE(loadDefinitions(fs::path(), false).loaded);
}

TEST(FieldDefinitions, ShippedFilesLoadForBothUnits)
{
    // Metric units read the metric file, help + m.
    for (const auto &[units, name] :
        { std::pair { Units::English, "help.txt" }, { Units::Metric, "helpm.txt" } }) {
        const auto file = findDefinitionsFile(TARVIK_SOURCE_DATA_DIR, units);
        ASSERT_FALSE(file.empty()) << name;
        EXPECT_EQ(file.filename().string(), name);
        const auto d = loadDefinitions(file, false);
        ASSERT_TRUE(d.loaded) << file;
        for (int e = 0; e < kEntryCount; ++e) {
            EXPECT_FALSE(d.at(e).name.empty()) << e;
            EXPECT_LE(d.at(e).minimum, d.at(e).maximum) << e;
        }
    }
    const auto english
        = loadDefinitions(findDefinitionsFile(TARVIK_SOURCE_DATA_DIR, Units::English), false);
    EXPECT_FALSE(english.at(0).isOutsideLimits("24"));
    EXPECT_FALSE(english.at(38).isOutsideLimits("-.5"));
    EXPECT_FALSE(english.at(35).isOutsideLimits("500"));
}

TEST(RangeMessage, LimitsWithLeadingBlank)
{
    FieldInfo f;
    f.name = "Upper Ball Joint Height";
    f.maximum = 40.0f;
    f.minimum = 0.0f;
    f.hasLimits = true;
    EXPECT_EQ(
        rangeMessage(f, "41"), "Upper Ball Joint Height = 41.  Value must be between  0 and  40 .");
    f.minimum = -10.5f;
    f.maximum = 5000.001f;
    EXPECT_EQ(rangeMessage(f, "-11"),
        "Upper Ball Joint Height = -11.  Value must be between "
        "-10.5 and  5000 .");
    f.maximum = 0.1f; // single precision: 7 significant digits, not .100000001
    EXPECT_EQ(rangeMessage(f, "1"),
        "Upper Ball Joint Height = 1.  Value must be between "
        "-10.5 and  .1 .");
}

TEST(EntryValidation, SkipAcceptAndRefuse)
{
    const auto d = parseDefinitions(definitionsText(), false);
    using O = EntryValidation::Outcome;
    const struct
    {
        int entry;
        const char *typed;
        O outcome;
        const char *text;
    } cases[] = { { 0, "", O::Skip, "" }, { 6, "0.0", O::Skip, "" }, // unused arm
        { 14, "0.0", O::Accept, "0" }, { 0, "40", O::Accept, "40" },
        { 0, "0", O::Accept, "0" }, // limits accepted
        { 0, "40.0001", O::Refuse, "40.0001" }, { 0, "-1", O::Refuse, "-1" },
        { 0, "12 3/4", O::Accept, "12.75" }, { 0, "3/0", O::Refuse, "3/0" },
        { 35, "499.5", O::Accept, "500" }, { 35, "5000.4", O::Accept, "5000" },
        { 35, "5000.6", O::Refuse, "5001" },
        // No number at all: refused, even where 0 would be accepted or skipped.
        { 0, "abc", O::Refuse, "abc" }, { 0, "-", O::Refuse, "-" }, { 0, ".", O::Refuse, "." },
        { 0, "x12", O::Refuse, "x12" }, { 0, "  ", O::Refuse, "  " },
        { 6, "abc", O::Refuse, "abc" }, { 35, "abc", O::Refuse, "abc" },
        { 0, "/2", O::Refuse, "/2" }, { 0, "12abc", O::Accept, "12" },
        { 0, " - . 5", O::Refuse, "-.5" } };
    for (const auto &c : cases) {
        const auto v = validateEntry(c.entry, c.typed, d);
        EXPECT_EQ(v.outcome, c.outcome) << c.entry << " " << c.typed;
        if (c.outcome != O::Skip) {
            EXPECT_EQ(v.text, c.text) << c.typed;
        }
    }
    EXPECT_EQ(
        validateEntry(0, "41", d).message, "Name 0 = 41.  Value must be between  0 and  40 .");
    EXPECT_EQ(
        validateEntry(0, "abc", d).message, "Name 0 = abc.  Value must be between  0 and  40 .");
    // Without definitions there is no range check.
    EXPECT_EQ(validateEntry(0, "1000", FieldDefinitions {}).outcome, O::Accept);
    EXPECT_EQ(validateEntry(0, "abc", FieldDefinitions {}).outcome, O::Refuse);
}

} // namespace
} // namespace tarvik
