// The engine call end to end: the worked example's static and camber-gain
// results, both entry modes, the strut, dive and roll, camber following the
// king-pin axis, the layout-problem message, the shim menu rule, faults, and
// random and hostile layouts solved with and without captions.
#include "core/geometry/engine.h"
#include "core/geometry/primitives.h"
#include "workedexample.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <iterator>

namespace tarvik {
namespace {

using test::setPoint;
using test::workedExample;

const std::string *writeBack(const EngineOutput &out, int entry)
{
    const std::string *found = nullptr;
    for (const BoxWriteBack &w : out.writeBacks) {
        if (w.entry == entry) {
            found = &w.text;
        }
    }
    return found;
}

TEST(Engine, WorkedExampleStatic)
{
    const EngineOutput out = runEngine(workedExample());
    const PassSolution &st = out.staticPass;
    EXPECT_NEAR(st.rollCenter.x, 0.0, 1e-5);
    EXPECT_NEAR(st.rollCenter.y, 3.69, 0.005);
    EXPECT_NEAR(st.side[kLeft].instantCenter.x, -43.71, 0.005);
    EXPECT_NEAR(st.side[kLeft].instantCenter.y, 9.36, 0.005);
    EXPECT_NEAR(st.side[kRight].instantCenter.x, 43.71, 0.005);
    EXPECT_NEAR(st.side[kLeft].knuckleAngle, 101.31, 0.005);
    EXPECT_NEAR(st.side[kRight].knuckleAngle, 78.69, 0.005);
    EXPECT_NEAR(st.side[kLeft].kingPinGround.x, 27.0, 1e-4);
    EXPECT_NEAR(st.side[kRight].kingPinGround.x, -27.0, 1e-4);
    for (const int s : { kRight, kLeft }) {
        EXPECT_NEAR(st.side[s].kingPinAngle, 11.31, 0.005);
        EXPECT_NEAR(st.side[s].scrubRadius, 1.5, 1e-4);
        EXPECT_NEAR(st.side[s].contactDistance, 28.5, 1e-5);
        EXPECT_NEAR(out.camberGain[s], -0.87, 0.005);
    }
    const Captions &c = out.captions;
    EXPECT_EQ(c.rollCenterHeight, "Roll Center height = 3.7");
    EXPECT_EQ(c.rollCenterSide, "Roll Center Right = .0");
    EXPECT_EQ(c.camberGain[kRight], "Camber Gain: -.87");
    EXPECT_EQ(c.camberGain[kLeft], "Camber Gain: -.87");
    EXPECT_EQ(c.gainBasis, "Gain based on 1\" Dive.");
    EXPECT_EQ(c.kingPinAngle[kLeft], "11.31");
    EXPECT_EQ(c.scrubRadius[kRight], "1.5");
    EXPECT_EQ(c.track[0], "28.5");
    EXPECT_EQ(c.track[1], "57.0");
    EXPECT_EQ(c.wheelRate[kRight], "105");
    EXPECT_EQ(c.dynamicCamber[kLeft], "");
    EXPECT_EQ(c.status, "");
    EXPECT_FALSE(out.layoutProblem);
    EXPECT_FALSE(out.movedPass.has_value());
    EXPECT_TRUE(out.faults.empty());
    // Arm dimensions written back in the X and Height entry mode.
    ASSERT_NE(writeBack(out, 6), nullptr);
    EXPECT_EQ(*writeBack(out, 6), "12.04");
    EXPECT_EQ(*writeBack(out, 14), "4.76");
    EXPECT_EQ(*writeBack(out, 31), "-3.6");
    EXPECT_NEAR(*out.rightWheelRateRatio, 105.478 / 500, 1e-4);
    // The gain pass moves the joints by the 1" of dive.
    ASSERT_TRUE(out.gainPass.has_value());
    const SideSolution &left = out.gainPass->side[kLeft];
    EXPECT_NEAR(left.lowerBallJoint.x, 26.03, 0.005);
    EXPECT_NEAR(left.lowerBallJoint.y, 5.0, 1e-6);
    EXPECT_NEAR(left.upperBallJoint.x, 23.88, 0.005);
    EXPECT_NEAR(left.upperBallJoint.y, 14.97, 0.005);
}

TEST(Engine, GainDefinitionCaption)
{
    EngineInput in = workedExample();
    in.gainSpecChoice = 1;
    in.gainDiveText = "1.5";
    in.gainRollText = "2";
    const EngineOutput out = runEngine(in);
    EXPECT_EQ(out.captions.gainBasis, "Gain based on 1.5\" Dive and 2 deg Roll.");
    // A roll tilts the two sides differently.
    EXPECT_GT(std::fabs(out.camberGain[kLeft] - out.camberGain[kRight]), 0.1);
}

TEST(Engine, ZeroMoveReproducesStatic)
{
    EngineInput in = workedExample();
    in.applyDiveRoll = 1;
    in.entries[54] = "0";
    in.entries[55] = "0";
    const EngineOutput out = runEngine(in);
    ASSERT_TRUE(out.movedPass.has_value());
    for (const int s : { kRight, kLeft }) {
        EXPECT_NEAR(out.camber[s], -0.5, 1e-3);
        EXPECT_NEAR(out.springCompression[s], 0.0, 1e-3);
        EXPECT_EQ(out.captions.springCompression[s], ".00");
        EXPECT_EQ(out.captions.dynamicCamber[s], "-.50");
    }
    EXPECT_EQ(out.captions.movedRollCenterHeight, "Roll Center height = 3.7");
}

TEST(Engine, SymmetricRollGivesMirroredCamber)
{
    EngineInput in = workedExample();
    in.applyDiveRoll = 1;
    in.entries[55] = "3";
    const EngineOutput out = runEngine(in);
    const double dl
        = out.movedPass->side[kLeft].knuckleAngle - out.staticPass.side[kLeft].knuckleAngle;
    const double dr
        = out.movedPass->side[kRight].knuckleAngle - out.staticPass.side[kRight].knuckleAngle;
    // Both knuckles lean the same way on the screen, so the two sides report
    // camber changes of opposite sign and similar size.
    EXPECT_GT(dl, 0.5);
    EXPECT_GT(dr, 0.5);
    EXPECT_NEAR(dl / dr, 1.0, 0.15);
    EXPECT_LT((out.camber[kLeft] + 0.5) * (out.camber[kRight] + 0.5), 0);
    EXPECT_NE(out.captions.movedRollCenterSide, out.captions.rollCenterSide);
}

TEST(Engine, LengthAndAngleModeDerivesArmEnds)
{
    EngineInput in = workedExample();
    in.entryMode = EntryMode::LengthAndAngle;
    for (const int side : { 0, 1 }) {
        setPoint(in, side, 1, "99", "99"); // replaced by the derived ends
        setPoint(in, side, 6, "12", "5");
        setPoint(in, side, 7, "16", "-3.5");
    }
    // A zero length keeps the typed lower ball joint on the left side.
    setPoint(in, 1, 7, "0", "-3.5");
    setPoint(in, 1, 2, "26", "5");
    const EngineOutput out = runEngine(in);
    const SideSolution &right = out.staticPass.side[kRight];
    const SideSolution &left = out.staticPass.side[kLeft];
    EXPECT_NEAR(right.upperFramePivot.x, -(24 - 12 * std::cos(5 * 0.017453)), 1e-4);
    EXPECT_NEAR(left.upperFramePivot.y, 15 - 12 * std::sin(5 * 0.017453), 1e-4);
    EXPECT_NEAR(right.lowerBallJoint.x, -(10 + 16 * std::cos(-3.5 * 0.017453)), 1e-4);
    EXPECT_EQ(left.lowerBallJoint.x, 26.0f);
    // Derived ends go back into their boxes ("###.00", right X positive);
    // the arm rows are left as typed.
    ASSERT_NE(writeBack(out, 1), nullptr);
    EXPECT_EQ(*writeBack(out, 1), "12.05");
    EXPECT_EQ(*writeBack(out, 9), "13.95");
    EXPECT_EQ(writeBack(out, 18), nullptr);
    EXPECT_EQ(writeBack(out, 6), nullptr);
    EXPECT_FALSE(out.shimMenuEnabled);
}

TEST(Engine, StrutCaptionsAndForcedEntryMode)
{
    EngineInput in = workedExample();
    in.suspensionType = SuspensionType::Strut;
    in.entryMode = EntryMode::LengthAndAngle;
    for (const int side : { 0, 1 }) {
        setPoint(in, side, 0, "21", "27");
        setPoint(in, side, 1, "20", "20");
        setPoint(in, side, 6, "50", "50"); // ignored: a strut always solves from X and Height
    }
    const EngineOutput out = runEngine(in);
    EXPECT_EQ(out.captions.rowCaptions[0], "Upper Strut Loc.");
    EXPECT_EQ(out.captions.rowCaptions[1], "Lower Strut Loc.");
    EXPECT_EQ(out.captions.rowCaptions[2], "Strut Dim.");
    EXPECT_NEAR(out.staticPass.side[kLeft].upperFramePivot.x, 20.0, 1e-6);
    EXPECT_NEAR(out.staticPass.side[kLeft].upperArmAngle, 8.13, 0.005); // lean from vertical
    EXPECT_EQ(*writeBack(out, 14), "8.13");
    EXPECT_NEAR(out.staticPass.rollCenter.y, 1.255, 0.001);
    EXPECT_FALSE(out.shimMenuEnabled);
    EXPECT_FALSE(out.layoutProblem);
}

// A street strut: body mount (21.5, 27), lower strut location (23.5, 15) off
// the line from the ball joint (27, 5) to the mount, lower arm pivot (11, 6.5).
EngineInput streetStrut()
{
    EngineInput in = workedExample();
    in.suspensionType = SuspensionType::Strut;
    for (const int side : { 0, 1 }) {
        setPoint(in, side, 0, "21.5", "27");
        setPoint(in, side, 1, "23.5", "15");
        setPoint(in, side, 2, "27", "5");
        setPoint(in, side, 3, "11", "6.5");
    }
    return in;
}

double angleOf(const LayoutPoint &from, const LayoutPoint &to)
{
    return std::atan2(double(to.y) - from.y, double(to.x) - from.x);
}

TEST(Engine, StrutKnuckleTurnsRigidlyUnderDiveAndRoll)
{
    // The knuckle (ball joint and lower strut location) turns as one body
    // and the strut axis, fixed in it, still passes through the moved body
    // mount. Camber follows the knuckle's turn, not the ball joint to mount
    // line, which the king-pin angle keeps using.
    for (const auto &[dive, roll] : { std::pair { "1", "0" }, { "-1.5", "3" }, { ".5", "-4" } }) {
        EngineInput in = streetStrut();
        in.applyDiveRoll = 1;
        in.entries[54] = dive;
        in.entries[55] = roll;
        const EngineOutput out = runEngine(in);
        ASSERT_TRUE(out.movedPass);
        EXPECT_FALSE(out.layoutProblem);
        for (const int s : { kRight, kLeft }) {
            const SideSolution &st = out.staticPass.side[s];
            const SideSolution &mv = out.movedPass->side[s];
            const double before = angleOf(st.lowerBallJoint, st.upperFramePivot);
            const double after = angleOf(mv.lowerBallJoint, mv.upperFramePivot);
            EXPECT_NEAR(std::hypot(double(mv.upperFramePivot.x) - mv.lowerBallJoint.x,
                            double(mv.upperFramePivot.y) - mv.lowerBallJoint.y),
                std::hypot(double(st.upperFramePivot.x) - st.lowerBallJoint.x,
                    double(st.upperFramePivot.y) - st.lowerBallJoint.y),
                1e-4);
            const double axisTurn = angleOf(mv.upperFramePivot, mv.upperBallJoint)
                - angleOf(st.upperFramePivot, st.upperBallJoint);
            EXPECT_NEAR(axisTurn, after - before, 1e-5) << dive << " " << roll;
            const double turnDeg = (after - before) * 57.296;
            EXPECT_NEAR(out.camber[s] - st.camber, s == kRight ? turnDeg : -turnDeg, 1e-3);
        }
    }
    // One inch of dive: about -.60 of gain where the line to the mount says -.80.
    const EngineOutput gain = runEngine(streetStrut());
    EXPECT_EQ(gain.captions.camberGain[kLeft], "Camber Gain: -.60");
    EXPECT_EQ(gain.captions.camberGain[kRight], "Camber Gain: -.60");

    // With the lower strut location on the line both readings agree.
    EngineInput onLine = streetStrut();
    for (const int side : { 0, 1 }) {
        setPoint(onLine, side, 1, "24.25", "16");
    }
    const EngineOutput line = runEngine(onLine);
    for (const int s : { kRight, kLeft }) {
        const double knuckleChange
            = line.gainPass->side[s].knuckleAngle - line.staticPass.side[s].knuckleAngle;
        EXPECT_NEAR(line.camberGain[s], s == kRight ? knuckleChange : -knuckleChange, 2e-3);
    }
}

TEST(Engine, StrutThatCannotCloseFlagsTheLayout)
{
    // A lower strut location far off the axis (typed at X 0): no turn of
    // the knuckle puts the moved mount back on the axis.
    EngineInput in = streetStrut();
    setPoint(in, kLeft, 1, "0", "15");
    const EngineOutput out = runEngine(in);
    EXPECT_TRUE(out.layoutProblem);
    EXPECT_TRUE(out.showGeometryWarning);
}

TEST(Engine, StrutOffsetPointOnCentrelineIsDoubled)
{
    // Body mount (7, 27) and lower strut location (20, 20): the perpendicular
    // offset point lands on x = 0, so the doubled offset (-7, 1) is used.
    EngineInput in = workedExample();
    in.suspensionType = SuspensionType::Strut;
    setPoint(in, 1, 0, "7", "27");
    setPoint(in, 1, 1, "20", "20");
    const EngineOutput out = runEngine(in);
    LayoutPoint q { -7, 1 }, t { 7, 27 }, g { 10, 6 }, b { 26, 5 }, expected;
    intersectLines(q, t, g, b, expected);
    EXPECT_NEAR(out.staticPass.side[kLeft].instantCenter.x, expected.x, 1e-4);
    EXPECT_NEAR(out.staticPass.side[kLeft].instantCenter.y, expected.y, 1e-4);
}

TEST(Engine, CamberFollowsKingPinChange)
{
    EngineInput in = workedExample();
    in.camberFollowsEdit = true;
    in.previousKingPinCaptions = { "10.31", "11.31" };
    const EngineOutput out = runEngine(in);
    ASSERT_NE(writeBack(out, 38), nullptr);
    EXPECT_EQ(*writeBack(out, 38), "-1.50");
    EXPECT_EQ(writeBack(out, 49), nullptr); // unchanged king-pin: no write-back
    // This call's results still use the camber as it was.
    EXPECT_NEAR(out.staticPass.side[kRight].camber, -0.5, 1e-9);

    in.camberFollowsEdit = false;
    EXPECT_EQ(writeBack(runEngine(in), 38), nullptr);
}

TEST(Engine, UnclosableLinkageFlagsLayoutProblem)
{
    EngineInput in = workedExample();
    in.applyDiveRoll = 1;
    in.entries[54] = "30"; // far more dive than the lower arm can follow
    const EngineOutput out = runEngine(in);
    EXPECT_TRUE(out.layoutProblem);
    EXPECT_TRUE(out.showGeometryWarning);
    EXPECT_EQ(out.captions.status, "Problem with layout.  Do NOT trust results.");

    // A blank watched box keeps the message back.
    in.entries[3] = " ";
    const EngineOutput quiet = runEngine(in);
    EXPECT_TRUE(quiet.layoutProblem);
    EXPECT_FALSE(quiet.showGeometryWarning);
    EXPECT_EQ(quiet.captions.status, "");
}

TEST(Engine, ShimMenuRule)
{
    struct Case
    {
        const char *name;
        std::initializer_list<int> emptied;
        EntryMode mode;
        SuspensionType type;
        bool enabled;
    } cases[] = {
        { "all filled", {}, EntryMode::XAndHeight, SuspensionType::DoubleAArm, true },
        { "right incomplete", { 0 }, EntryMode::XAndHeight, SuspensionType::DoubleAArm, true },
        { "both incomplete", { 9, 17 }, EntryMode::XAndHeight, SuspensionType::DoubleAArm, false },
        { "length mode", {}, EntryMode::LengthAndAngle, SuspensionType::DoubleAArm, false },
        { "strut", {}, EntryMode::XAndHeight, SuspensionType::Strut, false },
    };
    for (const Case &c : cases) {
        EngineInput in = workedExample();
        for (const int e : c.emptied) {
            in.entries[static_cast<std::size_t>(e)].clear();
        }
        in.entryMode = c.mode;
        in.suspensionType = c.type;
        in.withScene = false;
        EXPECT_EQ(runEngine(in).shimMenuEnabled, c.enabled) << c.name;
    }
    // A blank is not empty: only exactly empty texts count.
    EngineInput spaced = workedExample();
    spaced.entries[0] = " ";
    spaced.entries[17] = "";
    EXPECT_TRUE(runEngine(spaced).shimMenuEnabled);
}

TEST(Engine, ScrubHiddenByItsConditions)
{
    EngineInput in = workedExample();
    in.entries[18] = "0"; // left lower ball joint X reads 0
    in.entries[0] = "-3"; // right upper ball joint across the centreline
    const EngineOutput out = runEngine(in);
    EXPECT_EQ(out.captions.scrubRadius[kLeft], "");
    EXPECT_EQ(out.captions.scrubRadius[kRight], "");

    // Scrub is never shown from the moved pass: the static one stays.
    EngineInput moved = workedExample();
    moved.applyDiveRoll = 1;
    moved.entries[54] = "2";
    EXPECT_EQ(runEngine(moved).captions.scrubRadius[kLeft], "1.5");

    // A ball joint X left empty in the length-and-angle mode is derived and
    // written back first; the scrub reads the box as it then stands.
    EngineInput derived = workedExample();
    derived.entryMode = EntryMode::LengthAndAngle;
    derived.entries[2].clear();
    derived.entries[7] = "16.03";
    derived.entries[15] = "-3.6";
    const EngineOutput solved = runEngine(derived);
    ASSERT_NE(writeBack(solved, 2), nullptr);
    EXPECT_EQ(solved.captions.scrubRadius[kRight], "1.5");
}

TEST(Engine, FaultsAreReportedAndResultsStayFinite)
{
    // Upper frame pivot on the lower ball joint: the linkage diagonal is 0.
    EngineInput in = workedExample();
    in.applyDiveRoll = 1;
    in.entries[54] = "0";
    setPoint(in, 1, 1, "26", "5");
    const EngineOutput out = runEngine(in);
    ASSERT_FALSE(out.faults.empty());
    EXPECT_EQ(out.faults.front(),
        "Err = 11 in Sub DrawScreen.  Contact Quellmark about this unusual error.\r\r"
        "The next results displayed may not be accurate.");
    for (const PassSolution *pass : { &out.staticPass, &*out.gainPass, &*out.movedPass }) {
        for (const SideSolution &d : pass->side) {
            EXPECT_TRUE(std::isfinite(d.upperBallJoint.x) && std::isfinite(d.upperBallJoint.y));
            EXPECT_TRUE(std::isfinite(d.knuckleAngle));
        }
    }
}

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

void expectFinitePass(const PassSolution &pass, int round)
{
    ASSERT_TRUE(std::isfinite(pass.rollCenter.x) && std::isfinite(pass.rollCenter.y)) << round;
    for (const SideSolution &d : pass.side) {
        for (const LayoutPoint &p : { d.upperBallJoint, d.upperFramePivot, d.lowerBallJoint,
                 d.lowerFramePivot, d.instantCenter, d.contactPoint, d.kingPinGround }) {
            ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << round;
        }
        ASSERT_TRUE(std::isfinite(d.knuckleAngle) && std::isfinite(d.springAngle)) << round;
        ASSERT_TRUE(std::isfinite(d.camber) && std::isfinite(d.spindleAngle)) << round;
    }
}

TEST(Engine, RandomAndHostileLayoutsStayFiniteAndCaptionsOffChangesNoNumber)
{
    // Random, degenerate and hostile layouts: values from a small set so that
    // equal X, zero X, coincident points, unclosable linkages, blank watched
    // boxes and huge or unreadable texts come up often. Each layout is also
    // solved with captions off, as the camber-table sweep calls the engine:
    // every number, flag and fault must be the same, and no text is made.
    std::uint32_t seed = 12345;
    const auto next = [&seed]() {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    const char *pool[] = { "0", "10", "12", "24", "26", "-5", "5", "14.5", "6", "", " ", "100",
        "-30", ".001", "30", "1e38", "-1e38", "1e300", "3.4e38", "1e-40", "abc" };
    int problems = 0;
    int warnings = 0;
    int faulted = 0;
    for (int round = 0; round < 1500; ++round) {
        EngineInput in = test::workedExample();
        for (int k = 0; k < 6; ++k) {
            in.entries[next() % 54] = pool[next() % std::size(pool)];
        }
        in.suspensionType = next() % 3 == 0 ? SuspensionType::Strut : SuspensionType::DoubleAArm;
        in.entryMode = next() % 3 == 0 ? EntryMode::LengthAndAngle : EntryMode::XAndHeight;
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
            setPoint(in, kLeft, 1, "26", "5");
            in.applyDiveRoll = 1;
            in.entries[54] = "0";
        }
        in.withScene = next() % 2 == 0;
        const EngineOutput full = runEngine(in);
        in.withScene = false;
        in.withCaptions = false;
        const EngineOutput quiet = runEngine(in);

        expectFinitePass(full.staticPass, round);
        ASSERT_TRUE(full.gainPass.has_value()) << round;
        expectFinitePass(*full.gainPass, round);
        if (full.movedPass) {
            expectFinitePass(*full.movedPass, round);
        }
        for (const SceneItem &item : full.scene.items) {
            for (const ScenePoint &p : item.points) {
                ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << round << " " << item.role;
            }
        }

        EXPECT_EQ(quiet.layoutProblem, full.layoutProblem) << round;
        EXPECT_EQ(quiet.showGeometryWarning, full.showGeometryWarning) << round;
        EXPECT_EQ(quiet.faults, full.faults) << round;
        EXPECT_EQ(quiet.shimMenuEnabled, full.shimMenuEnabled) << round;
        for (int s = 0; s < 2; ++s) {
            EXPECT_TRUE(std::isfinite(full.wheelRate[s]) && std::isfinite(full.camberGain[s]));
            EXPECT_EQ(quiet.camber[s], full.camber[s]) << round;
            EXPECT_EQ(quiet.camberGain[s], full.camberGain[s]) << round;
            EXPECT_EQ(quiet.wheelRate[s], full.wheelRate[s]) << round;
            EXPECT_EQ(quiet.springCompression[s], full.springCompression[s]) << round;
            EXPECT_EQ(quiet.captions.camberGain[s], "") << round;
            EXPECT_EQ(quiet.captions.kingPinAngle[s], "") << round;
            EXPECT_EQ(quiet.captions.dynamicCamber[s], "") << round;
        }
        expectSamePass(quiet.staticPass, full.staticPass, round);
        ASSERT_EQ(quiet.movedPass.has_value(), full.movedPass.has_value()) << round;
        if (full.movedPass) {
            expectSamePass(*quiet.movedPass, *full.movedPass, round);
        }
        EXPECT_TRUE(quiet.writeBacks.empty()) << round;
        EXPECT_TRUE(quiet.scene.items.empty()) << round; // the sweep draws nothing
        EXPECT_EQ(quiet.captions.status, "") << round;
        EXPECT_EQ(quiet.captions.gainBasis, "") << round;
        EXPECT_EQ(quiet.captions.rollCenterHeight, "") << round;
        EXPECT_EQ(quiet.captions.movedRollCenterHeight, "") << round;
        EXPECT_EQ(quiet.captions.rowCaptions[0], "") << round;

        problems += full.layoutProblem ? 1 : 0;
        warnings += full.showGeometryWarning ? 1 : 0;
        faulted += full.faults.empty() ? 0 : 1;
    }
    // The rounds really reach the cases that matter.
    EXPECT_GT(problems, warnings);
    EXPECT_GT(warnings, 10);
    EXPECT_GT(faulted, 0);
}

} // namespace
} // namespace tarvik
