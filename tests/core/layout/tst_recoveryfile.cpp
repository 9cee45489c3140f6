// Crash-recovery copies: the file, time and layout come back as written
// (whatever the path holds), and anything that is not a whole copy is refused.
#include "core/layout/recoveryfile.h"
#include "support/namedentries.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace tarvik {
namespace {

RecoveryData sampleCopy(std::string file)
{
    RecoveryData data;
    data.file = std::move(file);
    data.savedAt = 1717000000;
    data.layout.suspensionType = 1;
    data.layout.record.set(kRightUpperBallJointX, "30");
    data.layout.record.set(kRollEntry, "-2.5");
    data.layout.comment = "kept\r\n";
    return data;
}

TEST(RecoveryFile, RoundTripKeepsFileTimeAndLayout)
{
    for (const std::string &file : { std::string("Untitled"), std::string("/home/r/cars/CAR.TK"),
             std::string("/odd/100%0A real\r\nname\n.tk") }) {
        const RecoveryData written = sampleCopy(file);
        const std::string text = recoveryFileText(written);
        // Three header lines, whatever the path holds.
        const auto header = text.begin() + static_cast<long>(text.find(kVehicleMagic));
        EXPECT_EQ(std::count(text.begin(), header, '\n'), 3) << file;
        const RecoveryReadResult read = parseRecoveryText(text);
        ASSERT_TRUE(read.ok) << file;
        EXPECT_EQ(read.data.file, file);
        EXPECT_EQ(read.data.savedAt, 1717000000);
        EXPECT_EQ(read.data.layout.suspensionType, 1);
        EXPECT_EQ(read.data.layout.record.allSlots(), written.layout.record.allSlots());
        EXPECT_EQ(read.data.layout.comment, "kept\r\n");
    }
}

TEST(RecoveryFile, RefusesWhatIsNotAWholeCopy)
{
    const std::string whole = recoveryFileText(sampleCopy("/c/CAR.TK"));
    const std::string body = whole.substr(whole.find(kVehicleMagic));
    const std::string refused[] = {
        "",
        body, // a vehicle file alone
        "TARVIK-RECOVERY 2\r\n/c/CAR.TK\r\n1\r\n" + body,
        "TARVIK-RECOVERY 1\r\n\r\n1\r\n" + body, // no file
        "TARVIK-RECOVERY 1\r\n/c/%41.tk\r\n1\r\n" + body, // an escape never written
        "TARVIK-RECOVERY 1\r\n/c/CAR.TK%\r\n1\r\n" + body,
        "TARVIK-RECOVERY 1\r\n/c/CAR.TK\r\n14:32\r\n" + body,
        "TARVIK-RECOVERY 1\r\n/c/CAR.TK\r\n99999999999999999999\r\n" + body,
        "TARVIK-RECOVERY 1\r\n/c/CAR.TK\r\n1\r\n" + body.substr(0, body.size() / 3),
        whole.substr(0, whole.find(kVehicleMagic) - 1),
    };
    for (const std::string &text : refused)
        EXPECT_FALSE(parseRecoveryText(text).ok) << text.substr(0, 60);
    EXPECT_TRUE(parseRecoveryText(whole).ok);
    EXPECT_FALSE(readRecoveryFile("/nonexistent/recovery.tkr").ok);
}

} // namespace
} // namespace tarvik
