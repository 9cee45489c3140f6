// Target and coordinate names, and the problems the optimizer refuses.
#include "core/design/designproblem.h"
#include "core/layout/entrynumbers.h"
#include "designfixtures.h"
#include "support/namedentries.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tarvik {
namespace {

TEST(DesignNames, TargetNamesReadBackAndBadOnesSayWhy)
{
    struct Row
    {
        const char *name;
        bool ok;
        const char *canonical; // or a piece of the message
    };
    const Row rows[] = {
        { "rc-height", true, "rc-height" },
        { "camber-gain", true, "camber-gain" },
        { "camber-gain-left", true, "camber-gain-left" },
        { "scrub-right", true, "scrub-right" },
        { "camber-left@1,-2", true, "camber-left@1,-2" },
        { "camber-right@+.5,2.50", true, "camber-right@.5,2.5" },
        { "camber-right@1", false, "needs @DIVE,ROLL" },
        { "camber-right@1,x", false, "needs @DIVE,ROLL" },
        { "camber-right@1,inf", false, "needs @DIVE,ROLL" },
        { "scrub-right@1,0", false, "only camber-right" },
        { "", false, "unknown target" },
    };
    for (const Row &row : rows) {
        std::string message;
        const auto t = parseDesignTargetName(row.name, message);
        ASSERT_EQ(t.has_value(), row.ok) << row.name;
        if (row.ok) {
            EXPECT_EQ(designTargetName(*t), row.canonical);
        } else {
            EXPECT_NE(message.find(row.canonical), std::string::npos) << message;
        }
    }
}

TEST(DesignNames, CoordinatesMapToTheirBoxes)
{
    EXPECT_EQ(coordinateEntry("right.upper_ball_joint.x"), kRightUpperBallJointX);
    EXPECT_EQ(coordinateEntry("right.upper_frame_pivot.y"), kRightUpperFramePivotHeight);
    EXPECT_EQ(coordinateEntry("left.lower_spring_pad.y"), kLeftLowerSpringPadHeight);
    for (const char *bad : { "left.upper_arm.x", "middle.upper_ball_joint.x",
             "left.upper_ball_joint.z", "left.upper_ball_joint", "left..x", "" }) {
        EXPECT_FALSE(coordinateEntry(bad)) << bad;
    }
    // Every point box has a name that reads back; arm rows and specs have none.
    for (const Entry entry : Entry::every()) {
        const std::string name = coordinateName(entry);
        const EntryPosition p = entryPosition(entry);
        const bool point = p.block == EntryBlock::Points && p.row < kUpperArmDim;
        EXPECT_EQ(!name.empty(), point) << entry.number();
        if (point) {
            EXPECT_EQ(coordinateEntry(name), entry);
        }
    }
    const DesignVariable tied = makeDesignVariable(kLeftUpperFramePivotHeight, 12, 16, true);
    EXPECT_EQ(tied.entries,
        (std::vector<Entry> { kLeftUpperFramePivotHeight, kRightUpperFramePivotHeight }));
    EXPECT_EQ(makeDesignVariable(kRightUpperFramePivotHeight, 12, 16, false).entries,
        (std::vector<Entry> { kRightUpperFramePivotHeight }));
}

// Unknown names, a missing coordinate, reversed ranges and a box varied
// twice are refused in the CLI optimizer check and golden cases.
TEST(DesignProblem, RefusalsNameTheFault)
{
    DesignProblem base;
    base.layout = test::exampleLayout("WORKED.TK");
    base.targets = { test::target("rc-height", 2) };
    base.variables = { makeDesignVariable(kRightUpperFramePivotHeight, 12, 16, true) };
    EXPECT_EQ(designProblemRefusal(base), "");

    struct Row
    {
        const char *why;
        void (*change)(DesignProblem &);
        const char *message;
    };
    const Row rows[] = {
        { "no target", [](DesignProblem &p) { p.targets.clear(); }, "no target" },
        { "zero weight", [](DesignProblem &p) { p.targets[0].weight = 0; }, "weight above 0" },
        { "nan value", [](DesignProblem &p) { p.targets[0].value = std::nan(""); },
            "finite value" },
        { "twice", [](DesignProblem &p) { p.targets.push_back(p.targets[0]); }, "given twice" },
        { "no hundredth",
            [](DesignProblem &p) {
                p.variables[0].minValue = 12.001;
                p.variables[0].maxValue = 12.009;
            },
            "no value of two decimals" },
        { "arm end in arm mode",
            [](DesignProblem &p) {
                p.settings.entryMode = EntryMode::LengthAndAngle;
                p.layout.record.set(kRightUpperArmLength, "12");
            },
            "follows its arm" },
    };
    for (const Row &row : rows) {
        DesignProblem p = base;
        row.change(p);
        EXPECT_NE(designProblemRefusal(p).find(row.message), std::string::npos)
            << row.why << ": " << designProblemRefusal(p);
    }
    // A one-value range on the grid is a fixed coordinate, not a fault.
    DesignProblem fixed = base;
    fixed.variables[0] = makeDesignVariable(kRightUpperFramePivotHeight, 14, 14, true);
    EXPECT_EQ(designProblemRefusal(fixed), "");
}

} // namespace
} // namespace tarvik
