// The optimizer on a layout typed in millimetres: the same question, asked in
// millimetres, gets the same answer as in inches, and what comes back is in
// millimetres. How each target's value is scaled is the evaluator's test.
#include "core/design/pickupoptimizer.h"
#include "core/text/numberreading.h"
#include "designfixtures.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tarvik {
namespace {

constexpr double kMm = 25.4;

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
