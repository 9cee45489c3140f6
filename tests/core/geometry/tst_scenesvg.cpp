// The front view as SVG: a well-formed document whatever the captions hold,
// one element per scene item, the moved layout's captions, and the picture's
// y-up coordinates scaled into the requested size with y turned downward.
#include "core/geometry/scenesvg.h"
#include "support/namedentries.h"
#include "workedexample.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <regex>
#include <vector>

namespace tarvik {
namespace {

// A small well-formedness check: after the XML declaration, tags that nest
// and close under one root, attributes name="value" without '<', and no bare
// '&' or control character anywhere. Counts elements and keeps the text of
// every <text> element. The draw command's test reads the worked example's
// picture with a real XML parser.
struct Xml
{
    bool ok = true;
    std::map<std::string, int> elements;
    std::vector<std::string> texts;
};

Xml readXml(const std::string &svg)
{
    static const std::regex tag(R"(<(/?)([A-Za-z][\w-]*)((?:\s+[\w:-]+="[^"<]*")*)\s*(/?)>)");
    static const std::regex bad(R"(&(?!amp;|lt;|gt;|quot;|apos;)|[\x00-\x08\x0b-\x1f])");
    Xml xml;
    const std::string body = svg.substr(svg.find("?>\n") + 3);
    xml.ok = svg.starts_with("<?xml") && !std::regex_search(body, bad);
    std::vector<std::string> open;
    auto at = body.cbegin();
    for (std::sregex_iterator it(body.begin(), body.end(), tag), end; it != end; ++it) {
        const std::smatch &m = *it;
        const std::string between(at, m[0].first);
        at = m[0].second;
        xml.ok = xml.ok && between.find_first_of("<>") == std::string::npos
            && (!open.empty() || between.find_first_not_of('\n') == std::string::npos);
        if (m[1] == "/") {
            xml.ok = xml.ok && !open.empty() && open.back() == m[2];
            if (m[2] == "text") {
                xml.texts.push_back(between);
            }
            if (!open.empty()) {
                open.pop_back();
            }
        } else {
            xml.ok = xml.ok && (!open.empty() || xml.elements.empty()); // one root
            ++xml.elements[m[2]];
            if (m[4] != "/") {
                open.push_back(m[2]);
            }
        }
    }
    xml.ok = xml.ok && open.empty() && !xml.elements.empty()
        && std::string(at, body.cend()).find_first_not_of('\n') == std::string::npos;
    return xml;
}

int countKind(const Scene &scene, SceneItem::Kind kind)
{
    return static_cast<int>(std::count_if(scene.items.begin(), scene.items.end(),
        [kind](const SceneItem &item) { return item.kind == kind; }));
}

TEST(SceneSvg, OneElementPerItemWithTheMovedCaptions)
{
    EngineInput in = test::workedExample();
    for (const bool applyDiveRoll : { false, true }) {
        SCOPED_TRACE(applyDiveRoll);
        in.applyDiveRoll = applyDiveRoll;
        in.entries[Entry::dive()] = "1";
        in.entries[Entry::roll()] = "2";
        const EngineOutput out = runEngine(in);
        const Xml xml = readXml(sceneSvg(out.scene, out.captions));
        ASSERT_TRUE(xml.ok);
        const int lines = countKind(out.scene, SceneItem::Kind::Line);
        EXPECT_GT(lines, 20);
        EXPECT_EQ(xml.elements.at("line"), lines);
        EXPECT_EQ(xml.elements.at("polygon"), countKind(out.scene, SceneItem::Kind::Polygon));
        EXPECT_EQ(xml.elements.at("circle"), countKind(out.scene, SceneItem::Kind::Circle));
        EXPECT_EQ(xml.texts.front(), "A");
        const bool moved
            = std::find(xml.texts.begin(), xml.texts.end(), out.captions.movedRollCenterHeight)
            != xml.texts.end();
        EXPECT_EQ(moved, applyDiveRoll);
    }
}

TEST(SceneSvg, PictureUnitsScaleIntoThePixelsWithYDown)
{
    Scene scene;
    scene.left = -100;
    scene.right = 100;
    scene.top = 50;
    scene.bottom = -50;
    scene.carMin = { -100, -50 };
    scene.carMax = { 100, 50 };
    SceneItem diagonal;
    diagonal.points = { { -100, 50 }, { 100, -50 } }; // top left to bottom right
    diagonal.color = 12;
    diagonal.width = 2;
    diagonal.dash = DashStyle::Dot;
    diagonal.role = "extension";
    scene.items.push_back(diagonal);
    SvgOptions options;
    options.width = 400;
    options.height = 400; // taller than needed: the car is centred; lines 2 x 400 / 530 px
    options.captions = false;
    const std::string svg = sceneSvg(scene, Captions {}, options);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(svg, m,
        std::regex(R"re(<line class="extension" x1="([\d.]+)" y1="([\d.]+)" x2="([\d.]+)" )re"
                   R"re(y2="([\d.]+)" fill="none" stroke="#ff0000" stroke-width="1.51" )re"
                   R"re(stroke-dasharray="1.51 3.02"/>)re")))
        << svg;
    const double x1 = std::stod(m[1]), y1 = std::stod(m[2]);
    const double x2 = std::stod(m[3]), y2 = std::stod(m[4]);
    // Centred, y turned downward, proportions kept, nearly the whole width.
    EXPECT_NEAR(x1 + x2, 400, 0.02);
    EXPECT_NEAR(y1 + y2, 400, 0.02);
    EXPECT_LT(y1, y2);
    EXPECT_NEAR((x2 - x1) / (y2 - y1), 2, 1e-3);
    EXPECT_GT(x2 - x1, 0.9 * 400);
    EXPECT_EQ(svg.find("caption"), std::string::npos);
}

TEST(SceneSvg, HostileTextsAndNumbersStayWellFormed)
{
    Scene scene;
    SceneItem label;
    label.kind = SceneItem::Kind::Label;
    label.points = { { 0, 0 } };
    label.text = "<&>\"'\x01\xff\xc3\xa9";
    label.role = "letter";
    scene.items.push_back(label);
    SceneItem far;
    far.points = { { -1e300, 0 }, { 1e300, 1e-300 } };
    scene.items.push_back(far);
    SceneItem broken;
    broken.points = { { std::numeric_limits<double>::quiet_NaN(), 0 }, { 0, 0 } };
    scene.items.push_back(broken); // cannot be placed: left out
    Captions captions;
    captions.gainBasis = "Gain based on 1\" Dive & <roll>";
    captions.status = std::string("bad\0byte", 8);
    const Xml xml = readXml(sceneSvg(scene, captions));
    ASSERT_TRUE(xml.ok);
    EXPECT_EQ(xml.elements.at("line"), 1);
    EXPECT_EQ(xml.texts.front(), "&lt;&amp;&gt;&quot;&apos;\xEF\xBF\xBD\xc3\xa9");
    EXPECT_EQ(xml.texts[1], "Gain based on 1&quot; Dive &amp; &lt;roll&gt;");
    EXPECT_EQ(xml.texts[2], "badbyte");
}

} // namespace
} // namespace tarvik
