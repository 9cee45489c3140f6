// The optimizer on a layout typed in millimetres: the same question, asked in
// millimetres, gets the same answer as in inches, and what comes back is in
// millimetres (the camber gain still per inch of dive).
#include "core/design/layoutevaluator.h"
#include "core/design/pickupoptimizer.h"
#include "core/text/numberreading.h"
#include "designfixtures.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tarvik {
namespace {

constexpr double kMm = 25.4;

TEST(MetricDesign, TargetsComeBackInTheLayoutsUnits)
{
    // CIRCLE is asymmetric, so the roll centre moves sideways under roll.
    DesignProblem inch;
    inch.layout = test::exampleLayout("CIRCLE.TK");
    inch.targets = { test::target("rc-height", 0), test::target("rc-migration", 0),
        test::target("camber-gain", 0), test::target("camber-right@1.5,-2", 0),
        test::target("scrub-left", 0) };
    inch.variables = { makeDesignVariable(9, 12, 18, true) };
    DesignProblem metric = inch;
    metric.layout = test::metricLayout("CIRCLE.TK");
    metric.targets[3] = test::target("camber-right@38.1,-2", 0);
    metric.variables = { makeDesignVariable(9, 12 * kMm, 18 * kMm, true) };
    ASSERT_EQ(designProblemRefusal(metric), "");

    std::vector<double> a(5), b(5);
    LayoutEvaluator(inch).evaluate(std::vector<double> { 15.25 }, a);
    LayoutEvaluator(metric).evaluate(std::vector<double> { 15.25 * kMm }, b);
    // The engine's points are single precision: about 1e-6 of a length.
    EXPECT_NEAR(b[0], a[0] * kMm, 1e-4);
    EXPECT_NEAR(b[1], a[1] * kMm, 1e-4);
    EXPECT_NE(a[1], 0.0);
    EXPECT_NEAR(b[2], a[2], 1e-5); // degrees per inch in both
    EXPECT_NEAR(b[3], a[3], 1e-5); // 38.1 mm is the 1.5 in dive
    EXPECT_NEAR(b[4], a[4] * kMm, 1e-4);

    EXPECT_EQ(designTargetUnit(DesignTargetKind::RollCenterMigration, 1), "mm/deg");
    EXPECT_EQ(designTargetUnit(DesignTargetKind::CamberGain, 1), "deg/in");
    EXPECT_EQ(designTargetUnitFactor(DesignTargetKind::ScrubRadius, 1), kMm);
    EXPECT_EQ(designTargetUnitFactor(DesignTargetKind::Camber, 1), 1.0);
}

TEST(MetricDesign, RollCentreHeightGivesTheInchAnswerInMillimetres)
{
    DesignProblem inch;
    inch.layout = test::exampleLayout("WORKED.TK");
    inch.targets = { test::target("rc-height", 2.0) };
    inch.variables = { test::around(inch.layout, "right.upper_frame_pivot.y", 2, true) };
    DesignProblem metric;
    metric.layout = test::metricLayout("WORKED.TK");
    metric.targets = { test::target("rc-height", 2.0 * kMm) };
    metric.variables = { test::around(metric.layout, "right.upper_frame_pivot.y", 2 * kMm, true) };

    const OptimizerResult a = PickupOptimizer(inch).run();
    const OptimizerResult b = PickupOptimizer(metric).run();
    ASSERT_EQ(b.refusal, "");
    ASSERT_EQ(b.entries.size(), 2u);
    EXPECT_EQ(b.stop, OptimizerStop::Finished);
    EXPECT_NEAR(b.targets[0].achieved, 2.0 * kMm, 0.02 * kMm);
    for (std::size_t i = 0; i < b.entries.size(); ++i) {
        const double mm = readNumber(b.entries[i].text);
        // Whole hundredths of a millimetre; the inch answer is on a grid of
        // hundredths of an inch, so they agree to half of its step.
        EXPECT_NEAR(mm * 100, std::round(mm * 100), 1e-9) << b.entries[i].text;
        EXPECT_NEAR(mm / kMm, readNumber(a.entries[i].text), 0.0051 + 0.00005);
    }
    EXPECT_LT(b.error, 0.005 * 0.005);

    // A range check says the layout's unit.
    metric.variables[0].maxValue = 2e6;
    EXPECT_NE(designProblemRefusal(metric).find("million millimetres"), std::string::npos);
}

} // namespace
} // namespace tarvik
