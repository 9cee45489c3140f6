// The pick-up point optimizer on the example layouts: honest achieved values
// on the answer's box texts, one optimum whatever the seed, the smallest
// change among equal answers, and a cancel or time limit that keeps the best
// so far. Each search here takes well under a second on two cores (a
// budget of 10 s each, not asserted).
#include "core/design/layoutevaluator.h"
#include "core/design/pickupoptimizer.h"
#include "core/text/numberreading.h"
#include "designfixtures.h"

#include <cmath>
#include <gtest/gtest.h>
#include <thread>

namespace tarvik {
namespace {

DesignProblem heightProblem()
{
    DesignProblem p;
    p.layout = test::exampleLayout("WORKED.TK");
    p.targets = { test::target("rc-height", 2.0) };
    p.variables = { test::around(p.layout, "right.upper_frame_pivot.y", 2, true) };
    return p;
}

DesignProblem heightAndGainProblem()
{
    DesignProblem p = heightProblem();
    p.targets.push_back(test::target("camber-gain", -1.2));
    p.variables = { test::around(p.layout, "left.upper_ball_joint.y", 2, true),
        test::around(p.layout, "left.upper_frame_pivot.y", 2, true),
        test::around(p.layout, "left.lower_frame_pivot.y", 2, true) };
    return p;
}

// Asymmetric, several motions, conflicting targets.
DesignProblem circleProblem()
{
    DesignProblem p;
    p.layout = test::exampleLayout("CIRCLE.TK");
    p.targets = { test::target("rc-height", 1.5), test::target("camber-right@2,3", -3.5),
        test::target("camber-left@2,3", 0.5, 2), test::target("rc-migration", 0.5),
        test::target("scrub-left", 1.2) };
    for (const char *name : { "right.upper_ball_joint.y", "right.upper_frame_pivot.y",
             "left.upper_frame_pivot.y", "left.upper_frame_pivot.x", "left.lower_ball_joint.x" }) {
        p.variables.push_back(test::around(p.layout, name, 2, false));
    }
    return p;
}

// Every varied box holds a text of whole hundredths inside its range, and
// tied boxes hold the same text.
void expectBoxTexts(const DesignProblem &p, const OptimizerResult &r)
{
    for (const DesignVariable &v : p.variables) {
        std::string first;
        for (const Entry entry : v.entries) {
            const auto it = std::find_if(r.entries.begin(), r.entries.end(),
                [&](const DesignEntryChange &c) { return c.entry == entry; });
            ASSERT_NE(it, r.entries.end()) << entry.number();
            const double value = readNumber(it->text);
            EXPECT_NEAR(value * 100, std::round(value * 100), 1e-9) << it->text;
            EXPECT_GE(value, v.minValue - 1e-9);
            EXPECT_LE(value, v.maxValue + 1e-9);
            EXPECT_EQ(it->name, coordinateName(entry));
            first = first.empty() ? it->text : first;
            EXPECT_EQ(it->text, first);
        }
    }
}

// The answers themselves (height alone, height with gain) are the CLI
// optimizer check's; here: that what is reported is what the texts give.
TEST(PickupOptimizer, AchievedValuesAreThoseOfTheAnswersTexts)
{
    const DesignProblem p = heightAndGainProblem();
    const OptimizerResult r = PickupOptimizer(p).run();
    ASSERT_EQ(r.refusal, "");
    EXPECT_EQ(r.stop, OptimizerStop::Finished);
    expectBoxTexts(p, r);

    DesignProblem check = p;
    for (const DesignEntryChange &c : r.entries) {
        check.layout.record.set(c.entry, c.text);
    }
    LayoutEvaluator evaluator(check);
    std::vector<double> achieved(2);
    std::vector<double> start { evaluator.startValue(0), evaluator.startValue(1),
        evaluator.startValue(2) };
    EXPECT_DOUBLE_EQ(evaluator.evaluate(start, achieved), r.error);
    EXPECT_DOUBLE_EQ(achieved[0], r.targets[0].achieved);
    EXPECT_DOUBLE_EQ(achieved[1], r.targets[1].achieved);
}

// One seed giving one answer whatever the threads is the CLI optimizer
// check's; here, on the asymmetric layout with conflicting targets: the
// global optimum, not the seed's luck, so other seeds find the same error.
TEST(PickupOptimizer, OtherSeedsFindTheSameOptimum)
{
    OptimizerOptions one;
    one.seed = 7;
    OptimizerOptions other;
    other.seed = 12345;
    const OptimizerResult a = PickupOptimizer(circleProblem(), one).run();
    expectBoxTexts(circleProblem(), a);
    EXPECT_NEAR(PickupOptimizer(circleProblem(), other).run().error, a.error, 1e-3 * a.error);
}

// Both frame-pivot heights serve one roll-centre height: a whole curve of
// answers. Without the preference the search stops anywhere on it (today at
// 14 -> 12.74 and 6 -> 4.81, 4.9 in over the four boxes); with it, the answer
// nearest the layout, which still reaches the target.
TEST(PickupOptimizer, PrefersTheSmallestChangeAmongEqualAnswers)
{
    DesignProblem p = heightProblem();
    p.variables.push_back(test::around(p.layout, "right.lower_frame_pivot.y", 2, true));
    DesignProblem anywhere = p;
    anywhere.preferSmallChange = 0;
    const OptimizerResult loose = PickupOptimizer(anywhere).run();
    const OptimizerResult r = PickupOptimizer(p).run();
    ASSERT_EQ(r.refusal, "");
    EXPECT_NEAR(r.targets[0].achieved, 2.0, 0.005);
    EXPECT_LT(r.movement, 4.9 / 2);
    EXPECT_LT(r.rangeMovement, loose.rangeMovement / 2);
    // The movement reported is that of the texts handed back.
    double moved = 0;
    for (const DesignEntryChange &c : r.entries) {
        moved += std::fabs(readNumber(c.text) - readNumber(p.layout.record.get(c.entry)));
    }
    EXPECT_NEAR(r.movement, moved, 1e-9);

    p.preferSmallChange = -1;
    EXPECT_NE(PickupOptimizer(p).run().refusal, "");
}

TEST(PickupOptimizer, CancelAndTimeLimitKeepTheBestSoFar)
{
    DesignProblem big = circleProblem();
    for (const char *name : { "right.lower_frame_pivot.y", "left.lower_frame_pivot.y",
             "right.upper_ball_joint.x", "left.upper_ball_joint.y", "right.lower_ball_joint.x" }) {
        big.variables.push_back(test::around(big.layout, name, 2, false));
    }

    OptimizerOptions options;
    std::vector<std::string> stages;
    options.onProgress = [&](const OptimizerProgress &p) { stages.push_back(p.stage); };
    PickupOptimizer optimizer(big, options);
    OptimizerResult cancelled;
    std::thread worker([&] { cancelled = optimizer.run(); });
    while (optimizer.progress().evaluations == 0) {
        std::this_thread::yield();
    }
    optimizer.cancel();
    worker.join();
    EXPECT_EQ(cancelled.stop, OptimizerStop::Cancelled);
    expectBoxTexts(big, cancelled);
    ASSERT_FALSE(stages.empty());
    EXPECT_EQ(stages.back(), "done");
    const OptimizerProgress last = optimizer.progress();
    EXPECT_EQ(last.error, cancelled.error);
    EXPECT_EQ(last.achieved.size(), big.targets.size());

    OptimizerOptions limited;
    limited.timeLimitS = 0.001;
    const OptimizerResult timed = PickupOptimizer(big, limited).run();
    EXPECT_EQ(timed.stop, OptimizerStop::TimeLimit);
    expectBoxTexts(big, timed);
}

TEST(PickupOptimizer, NoSoundLayoutInTheBoxIsReportedAsSuch)
{
    DesignProblem p = heightProblem();
    p.targets = { test::target("camber-left@30,0", -1) };
    const OptimizerResult r = PickupOptimizer(p).run();
    EXPECT_TRUE(r.layoutProblem);
    EXPECT_EQ(r.error, kInfeasibleError);
    expectBoxTexts(p, r);

    p.targets[0].weight = -1;
    EXPECT_NE(PickupOptimizer(p).run().refusal, "");
}

} // namespace
} // namespace tarvik
