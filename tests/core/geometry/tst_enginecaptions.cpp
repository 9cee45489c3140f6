// The engine with captions turned off, as the camber-table sweep calls it:
// every number, flag and fault message must be exactly what the full call
// gives, including the geometry warning of an unclosable layout, and no
// caption or box write-back is produced.
#include "geometry/engine.h"
#include "workedexample.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <iterator>

namespace tarvik {
namespace {

void expectSamePass(const PassSolution &a, const PassSolution &b, int round)
{
    EXPECT_EQ(a.rollCenter.x, b.rollCenter.x) << round;
    EXPECT_EQ(a.rollCenter.y, b.rollCenter.y) << round;
    for (int s = 0; s < 2; ++s) {
        EXPECT_EQ(a.side[s].camber, b.side[s].camber) << round;
        EXPECT_EQ(a.side[s].kingPinAngle, b.side[s].kingPinAngle) << round;
        EXPECT_EQ(a.side[s].springLength, b.side[s].springLength) << round;
    }
}

void expectNoTexts(const EngineOutput &out, int round)
{
    const Captions &c = out.captions;
    EXPECT_TRUE(out.writeBacks.empty()) << round;
    EXPECT_EQ(c.status, "") << round;
    EXPECT_EQ(c.gainBasis, "") << round;
    EXPECT_EQ(c.rollCenterHeight, "") << round;
    EXPECT_EQ(c.movedRollCenterHeight, "") << round;
    for (int s = 0; s < 2; ++s) {
        EXPECT_EQ(c.camberGain[s], "") << round;
        EXPECT_EQ(c.kingPinAngle[s], "") << round;
        EXPECT_EQ(c.dynamicCamber[s], "") << round;
    }
    EXPECT_EQ(c.rowCaptions[0], "") << round;
}

TEST(EngineCaptions, OffKeepsEveryNumberFlagAndFault)
{
    // Random and degenerate layouts (values from a small set so that
    // unclosable linkages, blank watched boxes and faults come up often).
    std::uint32_t seed = 777;
    const auto next = [&seed]() {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    const char *pool[] = { "0", "10", "12", "24", "26", "-5", "5", "14.5", "6", "", " ", "100",
        "-30", ".001", "30" };
    int problems = 0;
    int warnings = 0;
    int faulted = 0;
    for (int round = 0; round < 400; ++round) {
        EngineInput in = test::workedExample();
        for (int k = 0; k < 3; ++k) {
            in.entries[next() % 32] = pool[next() % std::size(pool)];
        }
        in.suspensionType = next() % 4 == 0 ? SuspensionType::Strut : SuspensionType::DoubleAArm;
        in.entryMode = next() % 4 == 0 ? EntryMode::LengthAndAngle : EntryMode::XAndHeight;
        in.applyDiveRoll = next() % 4 == 0 ? 0 : 1;
        in.entries[54] = pool[next() % std::size(pool)];
        in.entries[55] = pool[next() % std::size(pool)];
        in.gainSpecChoice = next() % 3 == 0 ? 1 : 0;
        in.gainDiveText = "2";
        in.gainRollText = pool[next() % std::size(pool)];
        in.camberFollowsEdit = next() % 2 == 0;
        in.previousKingPinCaptions = { "10.31", "9" };
        if (next() % 6 == 0) {
            // Left upper frame pivot on the lower ball joint, moved by nothing:
            // a division by zero the solve reports as a fault.
            test::setPoint(in, kLeft, 1, "26", "5");
            in.applyDiveRoll = 1;
            in.entries[54] = "0";
        }
        in.withScene = false;

        const EngineOutput full = runEngine(in);
        in.withCaptions = false;
        const EngineOutput quiet = runEngine(in);

        EXPECT_EQ(quiet.layoutProblem, full.layoutProblem) << round;
        EXPECT_EQ(quiet.showGeometryWarning, full.showGeometryWarning) << round;
        EXPECT_EQ(quiet.faults, full.faults) << round;
        EXPECT_EQ(quiet.shimMenuEnabled, full.shimMenuEnabled) << round;
        for (int s = 0; s < 2; ++s) {
            EXPECT_EQ(quiet.camber[s], full.camber[s]) << round;
            EXPECT_EQ(quiet.camberGain[s], full.camberGain[s]) << round;
            EXPECT_EQ(quiet.wheelRate[s], full.wheelRate[s]) << round;
            EXPECT_EQ(quiet.springCompression[s], full.springCompression[s]) << round;
        }
        expectSamePass(quiet.staticPass, full.staticPass, round);
        ASSERT_EQ(quiet.movedPass.has_value(), full.movedPass.has_value()) << round;
        if (full.movedPass) {
            expectSamePass(*quiet.movedPass, *full.movedPass, round);
        }
        expectNoTexts(quiet, round);

        problems += full.layoutProblem ? 1 : 0;
        warnings += full.showGeometryWarning ? 1 : 0;
        faulted += full.faults.empty() ? 0 : 1;
    }
    // The rounds really reach the cases that matter to the sweep.
    EXPECT_GT(problems, warnings);
    EXPECT_GT(warnings, 10);
    EXPECT_GT(faulted, 0);
}

} // namespace
} // namespace tarvik
