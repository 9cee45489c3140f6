// The front-view scene: picture size and corners per suspension type, the
// conditional elements (extension lines, gray static layout under dive and
// roll, white box after printing), the point letters clear of the lines,
// the tyre lean, and the car filling its drawing area.
#include "core/geometry/frontviewscene.h"
#include "core/geometry/sceneplacement.h"
#include "support/namedentries.h"
#include "workedexample.h"

#include <algorithm>
#include <cmath>
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
    const auto it = std::find_if(scene.items.begin(), scene.items.end(),
        [&](const SceneItem &item) { return item.role == role && item.pass == pass; });
    return it == scene.items.end() ? nullptr : &*it;
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
    EXPECT_DOUBLE_EQ(first(scene, "ground")->points[1].y, -2); // picture units, not scaled
    // Twelve letters A..L at the static points; G is the left upper ball joint.
    ASSERT_EQ(count(scene, "letter"), 12);
    const auto g = std::find_if(scene.items.begin(), scene.items.end(),
        [](const SceneItem &i) { return i.role == "letter" && i.text == "G"; });
    EXPECT_NEAR(g->points[0].x, 24 * f, 1e-4);
    EXPECT_NEAR(g->points[0].y, 15 * f, 1e-4);
    EXPECT_EQ(count(scene, "tyre"), 2);
    EXPECT_EQ(count(scene, "chassis"), 1);
}

TEST(FrontViewScene, ConditionalElements)
{
    EngineInput in = test::workedExample();
    const Scene plain = runEngine(in).scene;
    EXPECT_EQ(count(plain, "extension"), 6);
    EXPECT_EQ(count(plain, "roll-line"), 2);
    EXPECT_EQ(count(plain, "roll-center"), 1);
    EXPECT_EQ(count(plain, "white-box"), 0);
    in.draw.extensionLines = false;
    const Scene off = runEngine(in).scene;
    EXPECT_EQ(count(off, "extension") + count(off, "roll-center"), 0);

    // Under dive the static layout is gray (7, or 8 on the dark background)
    // and only the moved one, in colour, has extension lines and no letters.
    in.draw.extensionLines = true;
    in.applyDiveRoll = true;
    in.entries[Entry::dive()] = "1";
    for (const bool dark : { false, true }) {
        in.draw.darkGrayBackground = dark;
        in.draw.afterPrinting = dark;
        const Scene scene = runEngine(in).scene;
        for (const SceneItem &item : scene.items) {
            if (item.pass == 0 && item.role != "white-box") {
                EXPECT_EQ(item.color, dark ? 8 : 7) << item.role;
            }
        }
        EXPECT_EQ(count(scene, "extension", 0), 0);
        EXPECT_EQ(count(scene, "extension", 1), 6);
        EXPECT_EQ(first(scene, "upper-arm", 1)->color, 1);
        EXPECT_EQ(count(scene, "letter", 1), 0);
        // After printing a white box is drawn first, so it never hides the layout.
        EXPECT_EQ(count(scene, "white-box"), dark ? 1 : 0);
        if (dark) {
            EXPECT_EQ(scene.items.front().role, "white-box");
            EXPECT_EQ(scene.items.front().color, 15);
            EXPECT_DOUBLE_EQ(scene.items.front().points[0].y, 200);
            EXPECT_DOUBLE_EQ(scene.items.front().points[1].y, -100);
        }
    }
}

double distanceToSegment(const ScenePoint &p, const ScenePoint &a, const ScenePoint &b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double t
        = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0., 1.);
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// Every letter's box (5 picture units square, as the normal picture shows
// it) keeps clear of the arms, springs, knuckles and tyres; E and K, on the
// spring pads where the spring and the arm meet, used to sit on both.
TEST(FrontViewScene, LettersStandOnTheFreeSideOfTheirPoints)
{
    for (const SuspensionType type : { SuspensionType::DoubleAArm, SuspensionType::Strut }) {
        EngineInput in = test::workedExample();
        in.suspensionType = type;
        const Scene scene = runEngine(in).scene;
        for (const SceneItem &letter : scene.items) {
            if (letter.role != "letter") {
                continue;
            }
            const ScenePoint off = labelOffset(letter.toward, letter.radius, 5, 5);
            const ScenePoint centre { letter.points[0].x + off.x, letter.points[0].y + off.y };
            for (const SceneItem &item : scene.items) {
                if (item.kind != SceneItem::Kind::Line && item.kind != SceneItem::Kind::Polygon) {
                    continue;
                }
                if (item.role == "extension" || item.role == "roll-line") {
                    continue;
                }
                for (std::size_t i = 0; i + 1 < item.points.size(); ++i) {
                    EXPECT_GT(distanceToSegment(centre, item.points[i], item.points[i + 1]), 2)
                        << letter.text << " on " << item.role;
                }
            }
        }
    }
}

// The car, not the picture's empty margins, fills the area: its box spans
// the band between the caption rows one way and fits inside it the other.
TEST(FrontViewScene, CarFillsTheBandBetweenTheCaptions)
{
    const Scene scene = runEngine(test::workedExample()).scene;
    const double line = 19;
    for (const bool big : { false, true }) {
        for (const SceneArea area :
            { SceneArea { 0, 0, 775, 490 }, SceneArea { 10, 20, 400, 600 } }) {
            const ScenePlacement p = placeFrontView(scene, area, line, big);
            const double left = p.deviceX(scene.carMin.x), right = p.deviceX(scene.carMax.x);
            const double top = p.deviceY(scene.carMax.y), bottom = p.deviceY(scene.carMin.y);
            const double bandTop = area.top + 4 + line * (big ? 1.3 : 3.2);
            const double bandBottom = area.top + area.height - 4 - line * 1.3;
            EXPECT_GE(left, area.left + 6);
            EXPECT_LE(right, area.left + area.width - 6);
            EXPECT_GE(top, bandTop);
            EXPECT_LE(bottom, bandBottom);
            const double fillX = (right - left) / (area.width - 12);
            const double fillY = (bottom - top) / (bandBottom - bandTop);
            EXPECT_GT(std::max(fillX, fillY), 0.95) << big << " " << area.width;
        }
    }
}

TEST(FrontViewScene, TyreLeansWithCamber)
{
    EngineInput in = test::workedExample();
    in.entries[kLeftStaticCamber] = "3"; // positive camber leans the top outboard
    in.entries[kRightStaticCamber] = "3";
    const Scene scene = runEngine(in).scene;
    const SceneItem *right = first(scene, "tyre");
    const auto left = std::find_if(scene.items.rbegin(), scene.items.rend(),
        [](const SceneItem &i) { return i.role == "tyre" && i.points[0].x > 0; });
    ASSERT_TRUE(right && left != scene.items.rend());
    EXPECT_GT(left->points[2].x, left->points[1].x);
    EXPECT_LT(right->points[2].x, right->points[1].x);
}

} // namespace
} // namespace tarvik
