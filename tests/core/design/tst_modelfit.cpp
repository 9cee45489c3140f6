// Fitting the model to measured camber: a hidden "true" car with two
// coordinates measured wrong is found again from noisy readings; a
// coordinate the readings pull beyond its tolerance is flagged; and the
// sensitivity table's derivatives are the engine's own.
#include "core/design/layoutevaluator.h"
#include "core/design/modelfit.h"
#include "core/design/sensitivity.h"
#include "core/layout/entrynumbers.h"
#include "core/text/numberreading.h"
#include "designfixtures.h"
#include "support/namedentries.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace tarvik {
namespace {

double typed(const LayoutState &layout, Entry entry)
{
    return readNumber(layout.record.get(entry));
}

// The camber of the layout at 12 dive-and-roll positions with +-noise.
MeasurementSet readingsOf(const LayoutState &car, double noise, unsigned seed)
{
    MeasurementSet set;
    for (const double dive : { -2.0, -1.0, 0.0, 1.0, 2.0, 3.0 }) {
        for (const double roll : { -2.0, 2.0 }) {
            set.rows.push_back({ dive, roll, { 0.0, 0.0 } });
        }
    }
    const auto model = modelAtMeasurements(car, Settings {}, set);
    EXPECT_TRUE(model.has_value());
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> error(-noise, noise);
    for (std::size_t i = 0; model && i < model->size(); ++i) {
        set.rows[i / 2].camber[i % 2] = (*model)[i].before + error(random);
    }
    return set;
}

TEST(ModelFit, FindsTheTrueCarFromNoisyReadings)
{
    const LayoutState shipped = test::exampleLayout("CIRCLE.TK");
    LayoutState truth = shipped;
    const double trueUpper = typed(shipped, kRightUpperBallJointHeight) + 0.25;
    const double trueLower = typed(shipped, kLeftLowerBallJointHeight) - 0.28;
    truth.record.set(kRightUpperBallJointHeight, std::to_string(trueUpper));
    truth.record.set(kLeftLowerBallJointHeight, std::to_string(trueLower));

    FitRequest request;
    request.layout = shipped;
    request.measured = readingsOf(truth, 0.02, 7);
    request.variables = { fitVariable(shipped, kRightUpperBallJointHeight, 0.5),
        fitVariable(shipped, kLeftLowerBallJointHeight, 0.5) };
    ASSERT_EQ(fitRefusal(request), "");
    OptimizerOptions options;
    options.threads = 2;
    const FitResult fit = runModelFit(request, options);
    ASSERT_EQ(fit.refusal, "");
    ASSERT_EQ(fit.points.size(), 24u);
    ASSERT_TRUE(fit.residualBefore && fit.residualAfter);
    EXPECT_GT(*fit.residualBefore, 0.1);
    EXPECT_LE(*fit.residualAfter, 0.03);
    ASSERT_EQ(fit.moves.size(), 2u);
    EXPECT_NEAR(fit.moves[0].after, trueUpper, 0.1);
    EXPECT_NEAR(fit.moves[1].after, trueLower, 0.1);
    EXPECT_FALSE(fit.moves[0].atTolerance || fit.moves[1].atTolerance);
    EXPECT_EQ(fit.entries.size(), 2u);

    // Allowed only a tenth of an inch, the upper ball joint stops at the
    // edge and is flagged.
    request.variables[0] = fitVariable(shipped, kRightUpperBallJointHeight, 0.1);
    const FitResult tight = runModelFit(request, options);
    EXPECT_TRUE(tight.moves[0].atTolerance);
    EXPECT_NEAR(tight.moves[0].after, typed(shipped, kRightUpperBallJointHeight) + 0.1, 1e-9);
    EXPECT_GT(*tight.residualAfter, *fit.residualAfter);
    EXPECT_EQ(fitFlagText(0.25, Units::English), "probably measured wrong by more than 0.25 in");
    EXPECT_EQ(fitFlagText(defaultFitTolerance(Units::Metric), Units::Metric),
        "probably measured wrong by more than 6 mm");

    request.measured.rows.clear();
    EXPECT_EQ(fitRefusal(request), "There is no measured camber to fit the model to.");
}

TEST(Sensitivity, DerivativesAreCentralDifferencesOfTheEngine)
{
    for (const char *file : { "WORKED.TK", "CIRCLE.TK" }) {
        const LayoutState layout = test::exampleLayout(file);
        const SensitivityTable table
            = computeSensitivity(layout, Settings {}, ChassisPosition { 1, -2 });
        ASSERT_FALSE(table.layoutProblem);
        ASSERT_EQ(table.results.size(), 8u);
        EXPECT_EQ(table.results[6], "camber-right@1,-2");
        ASSERT_EQ(table.coordinates.size(), 24u);
        // Largest effects first: no spring pad (which moves no result) ahead
        // of a ball joint.
        EXPECT_EQ(table.coordinates.back().find("spring_pad") != std::string::npos, true);
        for (std::size_t r = 0; r < table.coordinates.size(); ++r) {
            const Entry entry = table.entries[r];
            const double value = typed(layout, entry);
            const double h = 0.05;
            DesignProblem p;
            p.layout = layout;
            p.targets = { test::target("rc-height", 0), test::target("camber-gain-right", 0) };
            std::vector<double> up(2), down(2);
            LayoutState moved = layout;
            moved.record.set(entry, std::to_string(value + h));
            p.layout = moved;
            LayoutEvaluator(p).evaluate({}, up);
            moved.record.set(entry, std::to_string(value - h));
            p.layout = moved;
            LayoutEvaluator(p).evaluate({}, down);
            EXPECT_NEAR(table.perUnit[r][0], (up[0] - down[0]) / (2 * h), 1e-3)
                << file << " " << table.coordinates[r];
            EXPECT_NEAR(table.perUnit[r][2], (up[1] - down[1]) / (2 * h), 1e-3)
                << file << " " << table.coordinates[r];
        }
    }
}

} // namespace
} // namespace tarvik
