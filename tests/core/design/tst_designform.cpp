// The pick-up point window's form: what it offers at first, the problem its
// used rows pose, the refusals a user can cause, and the boxes an answer
// changes. The window's test reads the first texts and the change list.
#include "core/design/designform.h"
#include "core/layout/entrynumbers.h"
#include "designfixtures.h"
#include "support/namedentries.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tarvik {
namespace {

DesignCoordinateRow &row(DesignForm &form, Entry entry)
{
    for (DesignCoordinateRow &r : form.coordinates()) {
        if (r.entry == entry) {
            return r;
        }
    }
    ADD_FAILURE() << entry.number();
    return form.coordinates().front();
}

TEST(DesignForm, StartsFromTheLayoutAsItStands)
{
    DesignForm form(test::exampleLayout("WORKED.TK"), Settings {});
    ASSERT_EQ(form.targets().size(), 9u);
    ASSERT_EQ(form.coordinates().size(), 24u);
    EXPECT_EQ(form.unit(form.targets()[0]), "in");
    EXPECT_EQ(form.targets()[5].dive, "1"); // no dive in the file: one inch
    EXPECT_NEAR(form.targets()[5].now, -0.5 - 0.8705, 1e-3); // static camber plus the gain
    EXPECT_EQ(row(form, kRightUpperFramePivotHeight).label, "Upper Frame Pivot Height");
    EXPECT_EQ(form.coordinates()[0].entry, kRightUpperBallJointX); // first
    EXPECT_EQ(form.coordinates()[1].entry, kLeftUpperBallJointX); // then its left box
    EXPECT_FALSE(DesignForm(test::exampleLayout("CIRCLE.TK"), Settings {}).symmetric());

    DesignForm metric(test::metricLayout("WORKED.TK"), Settings {});
    EXPECT_NEAR(metric.targets()[0].now, form.targets()[0].now * 25.4, 0.03);
    EXPECT_EQ(metric.unit(metric.targets()[1]), "mm/deg");
    EXPECT_EQ(metric.targets()[6].dive, "25.4");
    EXPECT_NEAR(metric.targets()[6].now, form.targets()[6].now, 1e-4);
    EXPECT_EQ(row(metric, kRightUpperFramePivotHeight).maximum, "406.4");

    // The units changed under the form: its texts start afresh in the new ones.
    form.targets()[0].value = "2";
    form.refresh(test::metricLayout("WORKED.TK"), Settings {});
    EXPECT_EQ(form.targets()[0].value, metric.targets()[0].value);
    EXPECT_EQ(row(form, kRightUpperFramePivotHeight).minimum, "304.8");
}

TEST(DesignForm, UsedRowsPoseTheProblem)
{
    DesignForm form(test::exampleLayout("WORKED.TK"), Settings {});
    EXPECT_EQ(form.problem().refusal, "Choose at least one target.");
    form.targets()[0].used = true;
    form.targets()[0].value = " 2 ";
    EXPECT_EQ(form.problem().refusal, "Choose at least one coordinate that may move.");
    row(form, kRightUpperFramePivotHeight).used = true;
    row(form, kLeftUpperFramePivotHeight).used = true; // not read while both sides move together
    form.targets()[6].used = true;
    form.targets()[6].value = "-1.5";
    form.targets()[6].weight = "2";
    form.targets()[6].dive = "1.5";
    form.targets()[6].roll = "-2";

    DesignFormProblem p = form.problem();
    ASSERT_EQ(p.refusal, "");
    ASSERT_EQ(p.problem.targets.size(), 2u);
    EXPECT_EQ(p.problem.targets[0].value, 2.0);
    EXPECT_EQ(designTargetName(p.problem.targets[1]), "camber-left@1.5,-2");
    EXPECT_EQ(p.problem.targets[1].weight, 2.0);
    ASSERT_EQ(p.problem.variables.size(), 1u);
    EXPECT_EQ(p.problem.variables[0].entries,
        (std::vector<Entry> { kRightUpperFramePivotHeight, kLeftUpperFramePivotHeight }));
    EXPECT_EQ(p.problem.variables[0].minValue, 12.0);

    // Each side on its own: the left row counts, with its own range.
    form.setSymmetric(false);
    row(form, kLeftUpperFramePivotHeight).maximum = "15";
    p = form.problem();
    ASSERT_EQ(p.problem.variables.size(), 2u);
    EXPECT_EQ(p.problem.variables[1].entries, (std::vector<Entry> { kLeftUpperFramePivotHeight }));
    EXPECT_EQ(p.problem.variables[1].maxValue, 15.0);

    // What a user can get wrong, named by the row.
    const auto refusal = [&form](auto &&spoil) {
        DesignForm copy = form;
        spoil(copy);
        return copy.problem().refusal;
    };
    EXPECT_EQ(refusal([](DesignForm &f) { f.targets()[0].value = "2,5"; }),
        "Roll Center Height: the target needs a number, not '2,5'");
    EXPECT_EQ(refusal([](DesignForm &f) { f.targets()[6].weight = "0"; }),
        "Camber Left at Dive, Roll: the weight needs a number above 0");
    EXPECT_EQ(refusal([](DesignForm &f) { f.targets()[6].dive = ""; }),
        "Camber Left at Dive, Roll: the dive and the roll need numbers");
    EXPECT_EQ(refusal([](DesignForm &f) { row(f, kLeftUpperFramePivotHeight).minimum = "16.5"; }),
        "Left Upper Frame Pivot Height: the range's minimum is above its maximum");
    EXPECT_NE(refusal([](DesignForm &f) {
        row(f, kLeftUpperFramePivotHeight).minimum = "15.001";
        row(f, kLeftUpperFramePivotHeight).maximum = "15.009";
    }).find("holds no value of two decimals"),
        std::string::npos);
}

TEST(DesignForm, PointsTheEntryModePlacesAreNotFree)
{
    LayoutState layout = test::exampleLayout("WORKED.TK");
    layout.record.set(kRightUpperArmLength, "12");
    layout.record.set(Entry::armDimension(kSideRight, kUpperArmDim, kColumnHeight), "4.76");
    Settings arm;
    arm.entryMode = EntryMode::LengthAndAngle;
    DesignForm form(layout, arm);
    EXPECT_TRUE(row(form, kRightUpperFramePivotHeight).computed);
    EXPECT_TRUE(row(form, kRightUpperFramePivotX).computed); // its X
    EXPECT_FALSE(row(form, kLeftUpperFramePivotHeight).computed); // the left arm has no length
    EXPECT_FALSE(row(form, kRightLowerBallJointX).computed); // nor the lower arm

    form.targets()[0].used = true;
    row(form, kRightUpperFramePivotHeight).used = true;
    EXPECT_EQ(form.problem().refusal,
        "Right Upper Frame Pivot Height follows its arm's length and angle in this entry mode");
    // Tied to the right box, the left one is refused by the problem's own check.
    row(form, kRightUpperFramePivotHeight).used = false;
    row(form, kLeftUpperFramePivotHeight).used = true;
    form.setSymmetric(false);
    EXPECT_EQ(form.problem().refusal, "");

    form.refresh(layout, Settings {});
    EXPECT_FALSE(row(form, kRightUpperFramePivotHeight).computed);
}

TEST(DesignForm, ChangesListOnlyTheBoxesThatMove)
{
    const LayoutState layout = test::exampleLayout("WORKED.TK");
    OptimizerResult result;
    result.entries = { { kRightUpperFramePivotHeight, "right.upper_frame_pivot.y", "13.25" },
        { kRightUpperFramePivotX, "right.upper_frame_pivot.x", "12.00" } };
    const std::vector<DesignChange> changes = designChanges(layout, result);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].label, "Right Upper Frame Pivot Height");
    EXPECT_EQ(changes[0].before + " -> " + changes[0].after, "14 -> 13.25");

    EXPECT_EQ(designValueText(-0.8704), "-.87");
    EXPECT_EQ(designValueText(-0.0001), "0");
    EXPECT_EQ(designValueText(std::nan("")), "-");
}

} // namespace
} // namespace tarvik
