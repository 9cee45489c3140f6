// The optimizer's scoring reads the same numbers the engine shows for the
// same boxes, in the layout's own units, and keeps away from layouts the
// engine flags.
#include "core/design/layoutevaluator.h"
#include "core/geometry/engineinputbuilder.h"
#include "designfixtures.h"
#include "support/namedentries.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

EngineOutput solveWith(LayoutState layout, const char *text, const char *dive, const char *roll)
{
    layout.record.set(kRightUpperFramePivotHeight, text);
    layout.record.set(kLeftUpperFramePivotHeight, text);
    layout.record.set(kDiveEntry, dive);
    layout.record.set(kRollEntry, roll);
    layout.applyDiveRoll = dive[0] != '\0';
    SolveOptions options;
    options.withScene = false;
    return runEngine(buildEngineInput(layout, Settings {}, options));
}

TEST(LayoutEvaluator, AchievedValuesAreTheEnginesOwn)
{
    DesignProblem p;
    p.layout = test::exampleLayout("CIRCLE.TK");
    p.targets = { test::target("rc-height", 2), test::target("camber-gain", -1),
        test::target("camber-gain-left", -1), test::target("camber-right@1.5,-2", -3),
        test::target("scrub-left", 1), test::target("rc-migration", 0, 3) };
    p.variables = { makeDesignVariable(kRightUpperFramePivotHeight, 12, 18, true) };
    // The windows' own gain definition must not change the optimizer's gain.
    p.settings.GainSpecChoice = 1;
    p.settings.GainDiveText = "2";
    p.settings.GainRollText = "1";
    ASSERT_EQ(designProblemRefusal(p), "");

    LayoutEvaluator evaluator(p);
    // Static, gain and camber@ ride on one call; the migration needs two more.
    EXPECT_EQ(evaluator.engineCallsPerEvaluation(), 3);
    EXPECT_DOUBLE_EQ(evaluator.startValue(0), 14.5);

    std::vector<double> achieved(p.targets.size());
    const double error = evaluator.evaluate(std::vector<double> { 15.25 }, achieved);

    const EngineOutput moved = solveWith(p.layout, "15.25", "1.5", "-2");
    const EngineOutput plus = solveWith(p.layout, "15.25", "0", "1");
    const EngineOutput minus = solveWith(p.layout, "15.25", "0", "-1");
    ASSERT_FALSE(moved.layoutProblem || plus.layoutProblem || minus.layoutProblem);
    EXPECT_DOUBLE_EQ(achieved[0], moved.staticPass.rollCenter.y);
    EXPECT_DOUBLE_EQ(achieved[1], (moved.camberGain[kSideRight] + moved.camberGain[kSideLeft]) / 2);
    EXPECT_DOUBLE_EQ(achieved[2], moved.camberGain[kSideLeft]);
    EXPECT_DOUBLE_EQ(achieved[3], moved.camber[kSideRight]);
    EXPECT_DOUBLE_EQ(achieved[4], moved.staticPass.side[kSideLeft].scrubRadius);
    EXPECT_DOUBLE_EQ(achieved[5],
        (double(plus.movedPass->rollCenter.x) - double(minus.movedPass->rollCenter.x)) / 2);
    EXPECT_NE(achieved[5], 0.0);

    double expected = 0;
    for (std::size_t k = 0; k < p.targets.size(); ++k) {
        const double miss = achieved[k] - p.targets[k].value;
        expected += p.targets[k].weight * miss * miss;
    }
    EXPECT_NEAR(error, expected, 1e-12 * expected);

    // The box texts the answer uses score exactly like their values.
    std::vector<double> fromTexts(p.targets.size());
    EXPECT_EQ(evaluator.evaluateTexts(std::vector<std::string> { "15.25" }, fromTexts), error);
    EXPECT_EQ(fromTexts, achieved);

    // The same question on the layout in millimetres (38.1 mm is the 1.5 in
    // dive): lengths come back in millimetres, camber and its gain (still
    // per inch of dive) as they were. The engine's points are single
    // precision: about 1e-6 of a length.
    const double mm = 25.4;
    DesignProblem metric = p;
    metric.layout = test::metricLayout("CIRCLE.TK");
    metric.targets[3] = test::target("camber-right@38.1,-2", -3);
    metric.variables = { makeDesignVariable(kRightUpperFramePivotHeight, 12 * mm, 18 * mm, true) };
    ASSERT_EQ(designProblemRefusal(metric), "");
    std::vector<double> metricAchieved(p.targets.size());
    LayoutEvaluator(metric).evaluate(std::vector<double> { 15.25 * mm }, metricAchieved);
    const double factor[] = { mm, 1, 1, 1, mm, mm };
    for (std::size_t k = 0; k < p.targets.size(); ++k) {
        EXPECT_NEAR(metricAchieved[k], achieved[k] * factor[k], factor[k] == 1 ? 1e-5 : 1e-4)
            << designTargetName(p.targets[k]);
    }
    EXPECT_EQ(designTargetUnit(DesignTargetKind::CamberGain, Units::Metric), "deg/in");
}

TEST(LayoutEvaluator, FlaggedLayoutScoresAsInfeasible)
{
    DesignProblem p;
    p.layout = test::exampleLayout("WORKED.TK");
    // Thirty inches of dive is more than the arms can follow.
    p.targets = { test::target("camber-left@30,0", -1) };
    p.variables = { makeDesignVariable(kLeftUpperFramePivotHeight, 13, 15, false) };
    LayoutEvaluator evaluator(p);
    std::vector<double> achieved(1);
    EXPECT_EQ(evaluator.evaluate(std::vector<double> { 14 }, achieved), kInfeasibleError);
    EXPECT_EQ(evaluator.engineCalls(), 1u);
}

} // namespace
} // namespace tarvik
