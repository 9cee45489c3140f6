// The shim calculator's target camber, driven as the window drives it on the
// shipped definitions and example layouts: the stack found lands in the rows
// the outputs and Accept read, the target box is checked like the others,
// and a sweep of targets measures how close the shims come.
#include "../design/designfixtures.h"
#include "core/calc/shimcalc.h"
#include "core/geometry/shimmove.h"
#include "core/text/numberreading.h"
#include "core/text/pictureformat.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

using namespace tarvik;

namespace {

CalcFeedback type(ShimCalc &s, const std::string &text)
{
    s.shimTargetEntered();
    return s.leaveShimTarget(text);
}

ShimChoices rows(const CalcSession &s)
{
    return { s.row(1).choiceIndex, s.row(2).choiceIndex, s.row(3).choiceIndex, s.row(4).choiceIndex,
        0 };
}

class ShimTargetSession : public ::testing::Test
{
protected:
    // The shim calculator opened with its target switched on, kept until the
    // test ends.
    ShimCalc &open(int side)
    {
        CalcOpenResult r
            = openCalcWindow(CalcMode::Shim, TARVIK_SOURCE_DATA_DIR, { layout, settings, side });
        auto *shim = dynamic_cast<ShimCalc *>(r.session.get());
        EXPECT_TRUE(shim);
        if (!shim) {
            throw std::runtime_error("no shim calculator");
        }
        opened.push_back(std::move(r.session));
        shim->setShimTargetOn(true);
        return *shim;
    }

    LayoutState layout = test::exampleLayout("WORKED.TK");
    Settings settings;
    std::vector<std::unique_ptr<CalcSession>> opened;
};

// Half the widest gap between the cambers of two neighbouring stacks.
double halfWidestGap(const LayoutState &layout, int side)
{
    const auto entries = test::entriesOf(layout);
    std::vector<double> changes;
    for (int stack = 0; stack < 2 * 81; ++stack) {
        const double thickness = (stack % 81 / 9) / 16.0 + (stack % 9) / 8.0;
        const ShimResult r
            = shimCamberChange(side, shimPointsFromEntries(entries, side), thickness, stack >= 81);
        if (r.status != 2) {
            changes.push_back(r.camberChange);
        }
    }
    std::sort(changes.begin(), changes.end());
    double gap = 0;
    for (std::size_t i = 1; i < changes.size(); ++i) {
        gap = std::max(gap, changes[i] - changes[i - 1]);
    }
    return gap / 2;
}

} // namespace

// The window's test finds and accepts a stack for -1.5; here: the box's
// rules around it.
TEST_F(ShimTargetSession, TargetBoxIsCheckedEmptiedAndSwitchedLikeTheOthers)
{
    ShimCalc &s = open(kSideRight);
    // Switched on before a target is typed: the rows are locked, and there
    // is nothing to use.
    EXPECT_EQ(rows(s), (ShimChoices { 0, 0, -1, -1, 0 }));
    EXPECT_FALSE(s.row(1).enabled || s.row(2).enabled || s.row(5).enabled);
    EXPECT_EQ(s.accept().message->text,
        "No shims have been found for a target camber, so there is no Shim Thickness to be "
        "used.");
    type(s, "1");
    const ShimChoices found = rows(s);
    const CalcFeedback refused = type(s, "25");
    ASSERT_EQ(refused.messages.size(), 1u);
    EXPECT_EQ(
        refused.messages[0].text, "Target Camber, deg = 25.  Value must be between -10 and  10 .");
    EXPECT_TRUE(refused.keepFocus);
    EXPECT_EQ(s.shimTarget().text, "1");
    EXPECT_EQ(rows(s), found);

    // Emptied: the rows keep the stack, but Accept no longer uses it.
    type(s, "");
    EXPECT_EQ(rows(s), found);
    EXPECT_EQ(s.accept().outcome, CalcAcceptResult::Outcome::StayOpen);

    // Switched off, the rows are the user's again with the stack in them;
    // on again, the box's text is searched at once.
    type(s, "1");
    s.setShimTargetOn(false);
    EXPECT_TRUE(s.row(1).enabled && s.row(3).enabled && !s.row(5).enabled);
    EXPECT_FALSE(s.shimTarget().found());
    s.choiceClicked(3, 0);
    s.setShimTargetOn(true);
    EXPECT_EQ(rows(s), found);
}

TEST_F(ShimTargetSession, TargetMetBeyondReachAndNothingSolvable)
{
    ShimCalc &s = open(kSideLeft);
    type(s, "-.5"); // the camber as it stands
    EXPECT_EQ(rows(s), (ShimChoices { 0, 1, 0, 0, 0 }));
    EXPECT_EQ(s.shimTarget().residual, ".00");
    EXPECT_EQ(s.shimTarget().note, "The camber as it stands is the closest: no shims are needed.");
    EXPECT_FALSE(s.accept().writeBack);

    type(s, "-10");
    EXPECT_EQ(rows(s), (ShimChoices { 1, 1, 8, 8, 0 }));
    EXPECT_EQ(s.shimTarget().note, "Beyond reach: these shims give -9.10 to 7.90 deg.");

    // An upper arm .01 in long: every shim pulls the linkage apart.
    layout.record.set(pointEntry(kSideRight, kColumnX, kUpperFramePivot), "23.99");
    layout.record.set(pointEntry(kSideRight, kColumnHeight, kUpperFramePivot), "15");
    ShimCalc &pulledApart = open(kSideRight);
    const CalcFeedback none = type(pulledApart, "1");
    ASSERT_EQ(none.messages.size(), 1u);
    EXPECT_EQ(none.messages[0].title, "Target Camber");
    EXPECT_NE(none.messages[0].text.find("Nothing has been changed."), std::string::npos);
    EXPECT_EQ(rows(pulledApart), (ShimChoices { 0, 0, -1, -1, 0 }));
    EXPECT_FALSE(pulledApart.shimTarget().found());
}

TEST_F(ShimTargetSession, MetricLayoutFindsTheSameInchShims)
{
    settings.camberFollowsEdits = true;
    ShimCalc &inches = open(kSideRight);
    layout.record = convertRecord(layout.record, true);
    layout.units = Units::Metric;
    ShimCalc &mm = open(kSideRight);
    type(inches, "1.2");
    type(mm, "1.2");
    EXPECT_EQ(rows(mm), rows(inches));
    EXPECT_EQ(mm.output(1).value, inches.shimTarget().camber);
    const double thickness = readNumber(inches.output(0).value);
    EXPECT_EQ(readNumber(mm.output(0).value), thickness * 25.4);
    EXPECT_EQ(
        mm.accept().writeBack->entries[2].text, formatPicture((12 + thickness) * 25.4, "###.00"));
}

// Every target from -3 to 3 degrees, .01 apart, on both sides of each
// example layout: the stack the rows get gives the camber shown, and inside
// the reach of the shims no target misses by more than half the widest gap
// between two neighbouring stacks' cambers.
TEST(ShimTargetSweep, WorstResidualOnTheExampleLayouts)
{
    const Settings settings;
    for (const char *file : { "WORKED.TK", "CIRCLE.TK", "STRUT.TK" }) {
        const LayoutState layout = test::exampleLayout(file);
        for (const int side : { kSideRight, kSideLeft }) {
            const CalcOpenResult opened = openCalcWindow(
                CalcMode::Shim, TARVIK_SOURCE_DATA_DIR, { layout, settings, side });
            if (!opened.session) {
                EXPECT_STREQ(file, "STRUT.TK"); // no upper arm to shim
                continue;
            }
            auto &s = dynamic_cast<ShimCalc &>(*opened.session);
            s.setShimTargetOn(true);
            double worstInReach = 0;
            for (int hundredths = -300; hundredths <= 300; ++hundredths) {
                const double target = hundredths / 100.0;
                type(s, std::to_string(target));
                ASSERT_EQ(s.output(1).value, s.shimTarget().camber) << target;
                const double miss = std::fabs(s.shimTarget().stack->residual);
                const auto [low, high] = *s.shimTarget().reach;
                if (target >= low && target <= high) {
                    worstInReach = std::max(worstInReach, miss);
                }
            }
            EXPECT_LE(worstInReach, halfWidestGap(layout, side) + 1e-9) << file << " side " << side;
        }
    }
}
