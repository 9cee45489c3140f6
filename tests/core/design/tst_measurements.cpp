// The measured-camber file: what reads, what is refused with its row and
// reason, and that a written set reads back the same.
#include "core/design/measurements.h"
#include "core/design/measurementsheet.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tarvik {
namespace {

TEST(Measurements, ReadsRowsWithBlanksAndWritesThemBack)
{
    const MeasurementReadResult read = parseMeasurementText("\xEF\xBB\xBF"
                                                            "Dive,Roll,Camber_Right,Camber_Left\r\n"
                                                            "0, 0 ,-1.5,-.75\r\n"
                                                            "\r\n"
                                                            "1,-2,,0.25\n"
                                                            "-1.5,2,-2,\n"
                                                            "2,0,,\n");
    ASSERT_TRUE(read.ok) << read.message;
    ASSERT_EQ(read.set.rows.size(), 4u);
    EXPECT_EQ(read.set.rows[0].camber[1], -0.75);
    EXPECT_FALSE(read.set.rows[1].camber[0].has_value());
    EXPECT_EQ(read.set.rows[1].roll, -2);
    EXPECT_FALSE(read.set.rows[2].camber[1].has_value());
    EXPECT_FALSE(read.set.rows[3].camber[0] || read.set.rows[3].camber[1]); // planned only
    EXPECT_TRUE(read.set.hasReadings());
    ASSERT_NE(read.set.find(1.0000001, -2), nullptr);
    EXPECT_EQ(read.set.find(1.01, -2), nullptr);

    const std::string text = measurementFileText(read.set);
    EXPECT_EQ(text.substr(0, text.find('\n') + 1), "dive,roll,camber_right,camber_left\n");
    const MeasurementReadResult again = parseMeasurementText(text);
    ASSERT_TRUE(again.ok);
    EXPECT_EQ(again.set, read.set);
    EXPECT_EQ(measurementFileText(again.set), text);
}

TEST(Measurements, RefusesBadRowsWithRowAndReasonAndKeepsNothing)
{
    const struct
    {
        const char *text;
        const char *message;
    } cases[] = {
        { "", "The file is empty; it needs the header dive,roll,camber_right,camber_left." },
        { "1,0,2,3\n", "Row 1: the file must begin with the header" },
        { "dive,roll,camber_right,camber_left\n0,0,1\n", "Row 2: needs 4 fields" },
        { "dive,roll,camber_right,camber_left\n0,0,1,2\n1,0,x,2\n",
            "Row 3: the right camber 'x' is not a number." },
        { "dive,roll,camber_right,camber_left\n0,,1,2\n", "Row 2: the roll is missing." },
        { "dive,roll,camber_right,camber_left\n0,0,1,nan\n", "Row 2: the left camber 'nan'" },
        { "dive,roll,camber_right,camber_left\n0,90,1,2\n", "Row 2: the roll 90 is beyond 45." },
        { "dive,roll,camber_right,camber_left\n1,2,1,2\n\n1,2,,3\n",
            "Row 4: dive 1 and roll 2 are on an earlier row already." },
    };
    for (const auto &c : cases) {
        const MeasurementReadResult read = parseMeasurementText(c.text);
        EXPECT_FALSE(read.ok) << c.text;
        EXPECT_EQ(read.message.rfind(c.message, 0), 0u) << read.message;
        EXPECT_TRUE(read.set.rows.empty());
    }
    // Pasted cells may come without the header and with tabs.
    const MeasurementReadResult pasted = parsePastedMeasurements("1\t0\t-1.2\t\n2\t0\t\t-2\n");
    ASSERT_TRUE(pasted.ok) << pasted.message;
    EXPECT_EQ(pasted.set.rows.size(), 2u);
    EXPECT_FALSE(parsePastedMeasurements("1\t0\t-1.2\n").ok);
}

TEST(Measurements, SheetListsThePositionsOrAPlan)
{
    const MeasurementSheet planned = measurementSheet({}, Units::Metric, "CAR.TK");
    EXPECT_EQ(planned.rows.size(), 12u);
    EXPECT_EQ(planned.columns.front(), "Dive, mm");
    EXPECT_EQ(planned.rows.back(), (std::vector<std::string> { "50", "2", "", "" }));
    MeasurementSet set;
    set.rows.push_back({ 1.5, -2, { -1.25, std::nullopt } });
    const MeasurementSheet sheet = measurementSheet(set, Units::English, "");
    EXPECT_EQ(sheet.vehicle, "(untitled)");
    EXPECT_EQ(sheet.rows, (std::vector<std::vector<std::string>> { { "1.5", "-2", "-1.25", "" } }));
}

TEST(Measurements, FileSitsBesideTheVehicleFileAndAMissingOneIsNoError)
{
    EXPECT_EQ(
        measurementFileFor("/cars/CIRCLE.TK"), std::filesystem::path("/cars/CIRCLE.measured.csv"));
    const auto dir = std::filesystem::temp_directory_path() / "tarvik-measurements-test";
    std::filesystem::create_directories(dir);
    const auto path = dir / "CAR.measured.csv";
    std::filesystem::remove(path);
    const MeasurementReadResult missing = readMeasurementFile(path);
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.found);

    MeasurementSet set;
    set.rows.push_back({ 1, -2, { -1.25, std::nullopt } });
    ASSERT_TRUE(writeMeasurementFile(path, set).ok);
    const MeasurementReadResult read = readMeasurementFile(path);
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(read.set, set);
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace tarvik
