// The shim calculator's target camber, driven as the window drives it on the
// shipped definitions and example layouts: the stack found lands in the rows
// the outputs and Accept read, the target box is checked like the others,
// and a sweep of targets measures how close the shims come.
#include "core/calc/calcsession.h"
#include "core/geometry/shimmove.h"
#include "core/layout/units.h"
#include "core/layout/vehiclefile.h"
#include "core/text/numberreading.h"
#include "core/text/pictureformat.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <iostream>

using namespace tarvik;

namespace {

LayoutState example(const char *file)
{
    const VehicleReadResult read
        = readVehicleFile(std::filesystem::path(TARVIK_SOURCE_DATA_DIR) / "tkfiles" / file);
    EXPECT_TRUE(read.ok) << file;
    LayoutState layout;
    layout.takeVehicle(read.data, file);
    return layout;
}

class ShimTargetSession : public ::testing::Test
{
protected:
    CalcSession open(int side)
    {
        const CalcOpenResult r
            = openCalcWindow(kCalcModeShim, TARVIK_SOURCE_DATA_DIR, { layout, settings, side });
        EXPECT_TRUE(r.session) << (r.refusal ? r.refusal->text : "");
        return r.session ? *r.session : CalcSession {};
    }

    static CalcFeedback type(CalcSession &s, const char *text)
    {
        s.shimTargetEntered();
        return s.leaveShimTarget(text);
    }

    static ShimChoices rows(const CalcSession &s)
    {
        return { s.row(1).choiceIndex, s.row(2).choiceIndex, s.row(3).choiceIndex,
            s.row(4).choiceIndex, 0 };
    }

    LayoutState layout = example("WORKED.TK");
    Settings settings;
};

} // namespace

TEST_F(ShimTargetSession, FoundStackIsTheOneTheOutputsShowAndAcceptWrites)
{
    settings.camberOption = 1;
    for (const int side : { kSideRight, kSideLeft }) {
        CalcSession s = open(side);
        // Switched on before a target is typed: nothing chosen, nothing to use.
        EXPECT_TRUE(s.setShimTargetOn(true).messages.empty());
        EXPECT_FALSE(s.shimTarget().found());
        EXPECT_EQ(rows(s), (ShimChoices { 0, 0, -1, -1, 0 }));
        for (int k = 1; k <= 5; ++k) {
            EXPECT_FALSE(s.row(k).enabled) << k;
        }
        EXPECT_EQ(s.accept().message->text,
            "No shims have been found for a target camber, so there is no Shim Thickness to be "
            "used.");

        // -1.5 from -.5: one 1/16 in and one 1/8 in shim removed.
        EXPECT_TRUE(type(s, "-1.50").messages.empty());
        EXPECT_EQ(s.shimTarget().text, "-1.5");
        EXPECT_EQ(rows(s), (ShimChoices { 1, 1, 1, 1, 0 }));
        EXPECT_EQ(s.output(0).value, ".1875");
        EXPECT_EQ(s.output(1).value, s.shimTarget().camber);
        const double residual = readNumber(s.shimTarget().residual);
        EXPECT_NEAR(readNumber(s.shimTarget().camber) + 1.5, residual, 0.011);
        EXPECT_LT(std::fabs(residual), 0.18);
        EXPECT_EQ(s.shimTarget().note, "");

        const CalcAcceptResult r = s.accept();
        ASSERT_EQ(r.outcome, CalcAcceptResult::Outcome::Close);
        const int pivotX = pointEntry(side, kColumnX, kUpperFramePivot);
        EXPECT_EQ(r.writeBack->entries[2], (CalcEntryWrite { pivotX, "11.81" }));
        EXPECT_EQ(r.writeBack->shimChoices, (ShimChoices { 1, 1, 1, 1, 0 }));
    }
}

TEST_F(ShimTargetSession, TargetBoxIsCheckedAndEmptiedLikeTheOthers)
{
    CalcSession s = open(kSideRight);
    s.setShimTargetOn(true);
    type(s, "1");
    const ShimChoices found = rows(s);
    const CalcFeedback refused = type(s, "25");
    ASSERT_EQ(refused.messages.size(), 1u);
    EXPECT_EQ(refused.messages[0].title, "Warning");
    EXPECT_EQ(
        refused.messages[0].text, "Target Camber, deg = 25.  Value must be between -10 and  10 .");
    EXPECT_TRUE(refused.keepFocus);
    EXPECT_EQ(s.shimTarget().text, "1");
    EXPECT_EQ(rows(s), found);

    // Emptied: the rows keep the stack, but Accept no longer uses it.
    type(s, "");
    EXPECT_FALSE(s.shimTarget().found());
    EXPECT_EQ(rows(s), found);
    EXPECT_EQ(s.accept().outcome, CalcAcceptResult::Outcome::StayOpen);

    // Switched off: the rows are the user's again, with the stack in them;
    // on again, the box's text is searched at once.
    type(s, "1");
    s.setShimTargetOn(false);
    EXPECT_TRUE(s.row(1).enabled && s.row(3).enabled && !s.row(5).enabled);
    EXPECT_EQ(rows(s), found);
    EXPECT_FALSE(s.shimTarget().found());
    s.choiceClicked(3, 0);
    s.setShimTargetOn(true);
    EXPECT_EQ(rows(s), found);
    // Other modes have no target.
    CalcSession spring
        = *openCalcWindow(kCalcModeSpring, TARVIK_SOURCE_DATA_DIR, { layout, settings }).session;
    spring.setShimTargetOn(true);
    EXPECT_FALSE(spring.shimTarget().on);
}

TEST_F(ShimTargetSession, TargetMetBeyondReachAndNothingSolvable)
{
    CalcSession s = open(kSideLeft);
    s.setShimTargetOn(true);
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
    s = open(kSideRight);
    s.setShimTargetOn(true);
    const CalcFeedback none = type(s, "1");
    ASSERT_EQ(none.messages.size(), 1u);
    EXPECT_EQ(none.messages[0].title, "Target Camber");
    EXPECT_NE(none.messages[0].text.find("Nothing has been changed."), std::string::npos);
    EXPECT_EQ(rows(s), (ShimChoices { 0, 0, -1, -1, 0 }));
    EXPECT_FALSE(s.shimTarget().found());
}

TEST_F(ShimTargetSession, MetricLayoutFindsTheSameInchShims)
{
    CalcSession inches = open(kSideRight);
    layout.record = convertRecord(layout.record, true);
    layout.unitsFlag = 1;
    settings.camberOption = 1;
    CalcSession mm = open(kSideRight);
    for (CalcSession *s : { &inches, &mm }) {
        s->setShimTargetOn(true);
        type(*s, "1.2");
    }
    EXPECT_EQ(rows(mm), rows(inches));
    EXPECT_EQ(mm.shimTarget().camber, inches.shimTarget().camber);
    EXPECT_EQ(mm.output(1).value, mm.shimTarget().camber);
    EXPECT_EQ(readNumber(mm.output(0).value), readNumber(inches.output(0).value) * 25.4);
    const CalcAcceptResult r = mm.accept();
    ASSERT_TRUE(r.writeBack);
    EXPECT_EQ(r.writeBack->entries[2].text,
        formatPicture((12 + readNumber(inches.output(0).value)) * 25.4, "###.00"));
}

// Every target from -3 to 3 degrees, .01 apart, on both sides of each
// example layout: the stack the rows get gives the camber shown, and inside
// the reach of the shims no target misses by more than half the widest gap
// between two neighbouring stacks' cambers.
TEST(ShimTargetSweep, WorstResidualOnTheExampleLayouts)
{
    const Settings settings;
    for (const char *file : { "WORKED.TK", "CIRCLE.TK", "STRUT.TK" }) {
        const LayoutState layout = example(file);
        for (const int side : { kSideRight, kSideLeft }) {
            const CalcOpenResult opened
                = openCalcWindow(kCalcModeShim, TARVIK_SOURCE_DATA_DIR, { layout, settings, side });
            if (!opened.session) {
                // The strut car has no upper arm to shim.
                EXPECT_STREQ(file, "STRUT.TK");
                EXPECT_EQ(opened.refusal->title, "Unusual Geometry");
                continue;
            }
            CalcSession s = *opened.session;
            s.setShimTargetOn(true);
            // The camber changes of all stacks, 0 in 9 x 9 x 2: their gaps
            // are those of the cambers.
            std::array<std::string, kEntryCount> entries;
            for (int e = 0; e < kEntryCount; ++e) {
                entries[std::size_t(e)] = layout.record.get(e);
            }
            const ShimPoints points = shimPointsFromEntries(entries, side);
            std::vector<double> cambers;
            for (const bool removed : { false, true }) {
                for (int a = 0; a < 9; ++a) {
                    for (int b = 0; b < 9; ++b) {
                        const ShimResult r
                            = shimCamberChange(side, points, a / 16.0 + b / 8.0, removed);
                        if (r.status != 2) {
                            cambers.push_back(r.camberChange);
                        }
                    }
                }
            }
            std::sort(cambers.begin(), cambers.end());
            double halfGap = 0;
            for (std::size_t i = 1; i < cambers.size(); ++i) {
                halfGap = std::max(halfGap, (cambers[i] - cambers[i - 1]) / 2);
            }
            double worstInReach = 0;
            double worst = 0;
            for (int hundredths = -300; hundredths <= 300; ++hundredths) {
                const double target = hundredths / 100.0;
                s.shimTargetEntered();
                s.leaveShimTarget(std::to_string(target));
                ASSERT_TRUE(s.shimTarget().found()) << target;
                ASSERT_EQ(s.output(1).value, s.shimTarget().camber) << target;
                const double miss = std::fabs(s.shimTarget().stack->residual);
                worst = std::max(worst, miss);
                if (target >= s.shimTarget().reach->first
                    && target <= s.shimTarget().reach->second) {
                    worstInReach = std::max(worstInReach, miss);
                }
            }
            EXPECT_LE(worstInReach, halfGap + 1e-9) << file << " side " << side;
            std::cout << file << (side == kSideRight ? " right" : " left") << ": reach "
                      << s.shimTarget().reach->first << " to " << s.shimTarget().reach->second
                      << " deg, worst residual in reach " << worstInReach << " deg, overall "
                      << worst << " deg (half the widest gap " << halfGap << ")\n";
        }
    }
}
