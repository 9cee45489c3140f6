// The front view as SVG: a well-formed document whatever the captions hold,
// one element per scene item (one <line> per Line item, the twelve letters
// as <text>), the captions, and the picture's y-up coordinates scaled into
// the requested size with y turned downward.
#include "core/geometry/scenesvg.h"
#include "workedexample.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <vector>

namespace tarvik {
namespace {

// A small well-formedness check: one root element, matching tags, quoted
// attributes without '<', text without a bare '<' or '&' that does not start
// a known reference. Collects element names and the text of <text> elements.
struct XmlCheck
{
    std::string error;
    std::map<std::string, int> elements;
    std::vector<std::string> texts;

    explicit XmlCheck(const std::string &xml) { run(xml); }

private:
    static bool validReference(const std::string &xml, std::size_t at)
    {
        static const char *kNames[] = { "&amp;", "&lt;", "&gt;", "&quot;", "&apos;" };
        return std::any_of(std::begin(kNames), std::end(kNames),
            [&](const char *name) { return xml.compare(at, std::strlen(name), name) == 0; });
    }
    bool checkText(const std::string &xml, std::size_t from, std::size_t to)
    {
        for (std::size_t i = from; i < to; ++i) {
            if (xml[i] == '&' && !validReference(xml, i)) {
                return fail("bad reference at " + std::to_string(i));
            }
            if (static_cast<unsigned char>(xml[i]) < 0x20 && xml[i] != '\n' && xml[i] != '\t') {
                return fail("control character at " + std::to_string(i));
            }
        }
        return true;
    }
    bool fail(const std::string &why)
    {
        error = why;
        return false;
    }
    void run(const std::string &xml)
    {
        std::size_t pos = 0;
        if (xml.starts_with("<?xml")) {
            pos = xml.find("?>") + 2;
        }
        std::vector<std::string> open;
        bool rootSeen = false;
        while (pos < xml.size()) {
            const std::size_t lt = xml.find('<', pos);
            const std::size_t textEnd = lt == std::string::npos ? xml.size() : lt;
            if (!checkText(xml, pos, textEnd)) {
                return;
            }
            if (open.empty() && xml.find_first_not_of(" \n", pos) < textEnd) {
                fail("text outside the root");
                return;
            }
            if (!open.empty() && open.back() == "text") {
                texts.push_back(xml.substr(pos, textEnd - pos));
            }
            if (lt == std::string::npos) {
                break;
            }
            const std::size_t gt = xml.find('>', lt);
            if (gt == std::string::npos) {
                fail("unclosed tag");
                return;
            }
            std::string tag = xml.substr(lt + 1, gt - lt - 1);
            pos = gt + 1;
            if (tag.starts_with("/")) {
                if (open.empty() || open.back() != tag.substr(1)) {
                    fail("mismatched </" + tag.substr(1) + ">");
                    return;
                }
                open.pop_back();
                continue;
            }
            const bool empty = tag.ends_with("/");
            if (empty) {
                tag.pop_back();
            }
            const std::string name = tag.substr(0, tag.find(' '));
            // Attributes: name="value" pairs with no '<' inside the values.
            std::size_t a = name.size();
            while (a < tag.size()) {
                a = tag.find_first_not_of(' ', a);
                if (a == std::string::npos) {
                    break;
                }
                const std::size_t eq = tag.find("=\"", a);
                const std::size_t close = eq == std::string::npos ? eq : tag.find('"', eq + 2);
                if (close == std::string::npos || tag.find_first_of(" \"", a) < eq) {
                    fail("bad attribute in <" + name + ">");
                    return;
                }
                if (!checkText(tag, eq + 2, close)) {
                    return;
                }
                a = close + 1;
            }
            if (open.empty() && rootSeen) {
                fail("a second root element");
                return;
            }
            rootSeen = true;
            ++elements[name];
            if (!empty) {
                open.push_back(name);
            }
        }
        if (!open.empty() || !rootSeen) {
            fail("unclosed <" + (open.empty() ? std::string("root") : open.back()) + ">");
        }
    }
};

int countKind(const Scene &scene, SceneItem::Kind kind)
{
    return static_cast<int>(std::count_if(scene.items.begin(), scene.items.end(),
        [kind](const SceneItem &item) { return item.kind == kind; }));
}

TEST(SceneSvg, OneElementPerItemWithLettersAndCaptions)
{
    EngineInput in = test::workedExample();
    for (const int applyDiveRoll : { 0, 1 }) {
        SCOPED_TRACE(applyDiveRoll);
        in.applyDiveRoll = applyDiveRoll;
        in.entries[54] = "1";
        in.entries[55] = "2";
        const EngineOutput out = runEngine(in);
        const XmlCheck xml(sceneSvg(out.scene, out.captions));
        ASSERT_TRUE(xml.error.empty()) << xml.error;
        const int lines = countKind(out.scene, SceneItem::Kind::Line);
        EXPECT_GT(lines, 20);
        EXPECT_EQ(xml.elements.at("line"), lines);
        EXPECT_EQ(xml.elements.at("polygon"), countKind(out.scene, SceneItem::Kind::Polygon));
        EXPECT_EQ(xml.elements.at("circle"), countKind(out.scene, SceneItem::Kind::Circle));
        const std::vector<std::string> letters(xml.texts.begin(), xml.texts.begin() + 12);
        EXPECT_EQ(letters,
            (std::vector<std::string> {
                "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L" }));
        EXPECT_NE(std::find(xml.texts.begin(), xml.texts.end(), "Roll Center height = 3.7"),
            xml.texts.end());
        EXPECT_NE(std::find(xml.texts.begin(), xml.texts.end(), out.captions.camberGain[kLeft]),
            xml.texts.end());
        const bool moved
            = std::find(xml.texts.begin(), xml.texts.end(), out.captions.movedRollCenterHeight)
            != xml.texts.end();
        EXPECT_EQ(moved, applyDiveRoll == 1);
    }
}

TEST(SceneSvg, PictureUnitsScaleIntoThePixelsWithYDown)
{
    Scene scene;
    scene.left = -100;
    scene.right = 100;
    scene.top = 50;
    scene.bottom = -50;
    SceneItem diagonal;
    diagonal.points = { { -100, 50 }, { 100, -50 } }; // top left to bottom right
    diagonal.color = 12;
    diagonal.width = 2;
    diagonal.dash = DashStyle::Dot;
    diagonal.role = "extension";
    scene.items.push_back(diagonal);
    SvgOptions options;
    options.width = 400;
    options.height = 400; // taller than needed: the picture is centred; lines 2 x 400 / 530 px
    options.captions = false;
    const std::string svg = sceneSvg(scene, Captions {}, options);
    EXPECT_NE(svg.find("<line class=\"extension\" x1=\"0\" y1=\"100\" x2=\"400\" y2=\"300\" "
                       "fill=\"none\" stroke=\"#ff0000\" stroke-width=\"1.51\" "
                       "stroke-dasharray=\"1.51 3.02\"/>"),
        std::string::npos)
        << svg;
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
    const XmlCheck xml(sceneSvg(scene, captions));
    ASSERT_TRUE(xml.error.empty()) << xml.error;
    EXPECT_EQ(xml.elements.at("line"), 1);
    EXPECT_EQ(xml.texts.front(), "&lt;&amp;&gt;&quot;&apos;\xEF\xBF\xBD\xc3\xa9");
    EXPECT_EQ(xml.texts[1], "Gain based on 1&quot; Dive &amp; &lt;roll&gt;");
    EXPECT_EQ(xml.texts[2], "badbyte");
}

} // namespace
} // namespace tarvik
