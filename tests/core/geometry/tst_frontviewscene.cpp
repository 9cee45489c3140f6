// The front-view scene: picture size and corners per suspension type, the
// conditional elements (extension lines, gray static layout under dive and
// roll, white box after printing) and the point letters.
#include "core/geometry/frontviewscene.h"
#include "workedexample.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tarvik {
namespace {

int count(const Scene &scene, const std::string &role, int pass = -1)
{
    return static_cast<int>(
        std::count_if(scene.items.begin(), scene.items.end(), [&](const SceneItem &item) {
            return item.role == role && (pass < 0 || item.pass == pass);
        }));
}

const SceneItem *first(const Scene &scene, const std::string &role, int pass = 0)
{
    for (const SceneItem &item : scene.items) {
        if (item.role == role && item.pass == pass) {
            return &item;
        }
    }
    return nullptr;
}

TEST(FrontViewScene, PictureSizeAndCorners)
{
    EngineInput in = test::workedExample();
    const Scene arm = runEngine(in).scene;
    EXPECT_EQ(arm.logicalWidth, 300);
    EXPECT_EQ(arm.logicalHeight, 150);
    EXPECT_DOUBLE_EQ(arm.left, -150);
    EXPECT_DOUBLE_EQ(arm.top, 135);
    EXPECT_NEAR(arm.bottom, -150 / 2.75 + 15, 1e-9);

    in.suspensionType = SuspensionType::Strut;
    const Scene strut = runEngine(in).scene;
    EXPECT_EQ(strut.logicalWidth, 340);
    EXPECT_EQ(strut.logicalHeight, 170);
    EXPECT_DOUBLE_EQ(strut.right, 170);
    EXPECT_DOUBLE_EQ(strut.top, 151);
    EXPECT_EQ(count(strut, "strut"), 2);
    EXPECT_EQ(count(strut, "upper-arm"), 0);
}

TEST(FrontViewScene, ElementsAtTheirScaledPoints)
{
    const Scene scene = runEngine(test::workedExample()).scene;
    const double f = 140.0 / 38.0;
    const SceneItem *arm = first(scene, "upper-arm");
    ASSERT_NE(arm, nullptr);
    EXPECT_NEAR(arm->points[0].x, -12 * f, 1e-4); // right side first, mirrored
    EXPECT_NEAR(arm->points[1].y, 15 * f, 1e-4);
    EXPECT_EQ(arm->color, 1);
    const SceneItem *ground = first(scene, "ground");
    ASSERT_NE(ground, nullptr);
    EXPECT_DOUBLE_EQ(ground->points[1].y, -2); // picture units, not scaled

    // Twelve letters A..L at the static points; G is the left upper ball joint.
    ASSERT_EQ(count(scene, "letter"), 12);
    const auto g = std::find_if(scene.items.begin(), scene.items.end(),
        [](const SceneItem &i) { return i.role == "letter" && i.text == "G"; });
    ASSERT_NE(g, scene.items.end());
    EXPECT_NEAR(g->points[0].x, 24 * f, 1e-4);
    EXPECT_NEAR(g->points[0].y, 15 * f, 1e-4);
    EXPECT_EQ(count(scene, "tyre"), 2);
    EXPECT_EQ(count(scene, "chassis"), 1);
    EXPECT_GT(count(scene, "spring"), 10);
}

TEST(FrontViewScene, ExtensionLinesOnlyWhenChosen)
{
    EngineInput in = test::workedExample();
    in.draw.extensionLines = true;
    const Scene on = runEngine(in).scene;
    EXPECT_EQ(count(on, "extension"), 6);
    EXPECT_EQ(count(on, "roll-line"), 2);
    EXPECT_EQ(count(on, "roll-center"), 1);

    in.draw.extensionLines = false;
    const Scene off = runEngine(in).scene;
    EXPECT_EQ(count(off, "extension"), 0);
    EXPECT_EQ(count(off, "roll-center"), 0);
}

TEST(FrontViewScene, GrayStaticLayoutUnderDiveAndRoll)
{
    EngineInput in = test::workedExample();
    in.applyDiveRoll = 1;
    in.entries[54] = "1";
    for (const bool dark : { false, true }) {
        in.draw.darkGrayBackground = dark;
        const Scene scene = runEngine(in).scene;
        const int gray = dark ? 8 : 7;
        for (const SceneItem &item : scene.items) {
            if (item.pass == 0 && item.role != "white-box") {
                EXPECT_EQ(item.color, gray) << item.role;
            }
        }
        // Extension lines only on the moved layout, which is in colour.
        EXPECT_EQ(count(scene, "extension", 0), 0);
        EXPECT_EQ(count(scene, "extension", 1), 6);
        EXPECT_EQ(first(scene, "upper-arm", 1)->color, 1);
        EXPECT_EQ(count(scene, "letter", 1), 0);
    }
}

TEST(FrontViewScene, WhiteBoxOnlyAfterPrinting)
{
    EngineInput in = test::workedExample();
    EXPECT_EQ(count(runEngine(in).scene, "white-box"), 0);
    in.draw.afterPrinting = true;
    in.applyDiveRoll = 1;
    const Scene scene = runEngine(in).scene;
    ASSERT_EQ(count(scene, "white-box"), 1);
    // Drawn first, so it never hides the layout.
    EXPECT_EQ(scene.items.front().role, "white-box");
    EXPECT_EQ(scene.items.front().color, 15);
    EXPECT_DOUBLE_EQ(scene.items.front().points[0].y, 200);
    EXPECT_DOUBLE_EQ(scene.items.front().points[1].y, -100);
}

TEST(FrontViewScene, TyreLeansWithCamber)
{
    EngineInput in = test::workedExample();
    in.entries[49] = "3"; // left: positive camber leans the top outboard
    in.entries[38] = "3";
    const Scene scene = runEngine(in).scene;
    const SceneItem *right = first(scene, "tyre");
    ASSERT_NE(right, nullptr);
    const SceneItem *left = nullptr;
    for (const SceneItem &item : scene.items) {
        if (item.role == "tyre" && item.points[0].x > 0) {
            left = &item;
        }
    }
    ASSERT_NE(left, nullptr);
    EXPECT_GT(left->points[2].x, left->points[1].x);
    EXPECT_LT(right->points[2].x, right->points[1].x);
}

} // namespace
} // namespace tarvik
