// SVG text of a front-view scene; see scenesvg.h. Numbers are written with
// a decimal point whatever the locale, to two decimals of a pixel.
#include "core/geometry/scenesvg.h"

#include "core/geometry/sceneplacement.h"
#include "core/text/floatchars.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace tarvik {

namespace {

// The normal on-screen picture is about this wide; line widths and letters
// grow with the picture from there, as the screen painter grows them.
constexpr double kReferenceWidthPx = 530.0;
constexpr int kMinSide = 16;
constexpr int kMaxSide = 20000;
constexpr const char *kStatusColor = "#d50000"; // the status caption's dark red
constexpr double kCaptionLine = 1.2; // a caption line, in font sizes

std::string number(double value)
{
    if (!std::isfinite(value)) {
        return "0";
    }
    char buffer[512]; // room for the fixed form of any double
    const auto [end, error] = toCharsFixed(buffer, buffer + sizeof buffer, value, 2);
    if (error != std::errc()) {
        return "0";
    }
    std::string text(buffer, end);
    while (!text.empty() && text.back() == '0') {
        text.pop_back();
    }
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    return text == "-0" || text.empty() ? "0" : text;
}

std::string color(int paletteIndex)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%06x", paletteRgb(paletteIndex) & 0xFFFFFFu);
    return buffer;
}

// Character data and attribute values: markup characters escaped, control
// characters that XML 1.0 cannot carry dropped, and bytes that are not UTF-8
// replaced, so any caption text gives a well-formed document.
std::string xmlText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                if (c >= 0x20 || c == '\t') {
                    out += static_cast<char>(c);
                }
                break;
            }
            ++i;
            continue;
        }
        // A UTF-8 sequence: lead byte, then 1 to 3 continuation bytes.
        const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
        bool valid = length > 0 && c <= 0xF4 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        }
        if (valid && length >= 3) {
            const auto second = static_cast<unsigned char>(text[i + 1]);
            // No overlong forms, no surrogates, nothing past U+10FFFF.
            valid = !(c == 0xE0 && second < 0xA0) && !(c == 0xED && second >= 0xA0)
                && !(c == 0xF0 && second < 0x90) && !(c == 0xF4 && second >= 0x90);
        }
        if (valid) {
            out.append(text.substr(i, length));
            i += length;
        } else {
            out += "\xEF\xBF\xBD"; // U+FFFD
            ++i;
        }
    }
    return out;
}

bool finite(const SceneItem &item)
{
    return std::all_of(item.points.begin(), item.points.end(), [](const ScenePoint &p) {
        return std::isfinite(p.x) && std::isfinite(p.y);
    }) && std::isfinite(item.radius);
}

class SvgWriter
{
public:
    SvgWriter(const Scene &scene, const SvgOptions &options)
        : m_width(std::clamp(options.width, kMinSide, kMaxSide))
        , m_height(std::clamp(options.height, kMinSide, kMaxSide))
    {
        // Placed as the main window's normal picture places it, with the
        // captions' own line spacing.
        const ScenePlacement placed = sceneSvgPlacement(scene, options);
        m_scale = placed.scale;
        m_offsetX = placed.originX;
        m_offsetY = placed.originY;
        m_sizeFactor = std::max(0.5, std::min(double(m_width), 2.0 * m_height) / kReferenceWidthPx);
    }

    std::string run(const Scene &scene, const Captions &captions, bool withCaptions)
    {
        const std::string w = std::to_string(m_width);
        const std::string h = std::to_string(m_height);
        m_out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
        m_out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + w
            + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h + "\">\n";
        m_out += "<title>Front view of the suspension</title>\n";
        m_out += "<defs><clipPath id=\"picture\"><rect x=\"0\" y=\"0\" width=\"" + w
            + "\" height=\"" + h + "\"/></clipPath></defs>\n";
        m_out += "<rect x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h
            + "\" fill=\"#ffffff\"/>\n";
        m_out += "<g clip-path=\"url(#picture)\" stroke-linejoin=\"round\">\n";
        for (const SceneItem &item : scene.items) {
            if (finite(item)) {
                addItem(item);
            }
        }
        m_out += "</g>\n";
        if (withCaptions) {
            addCaptions(captions);
        }
        m_out += "</svg>\n";
        return std::move(m_out);
    }

private:
    double x(const ScenePoint &p) const { return m_offsetX + p.x * m_scale; }
    double y(const ScenePoint &p) const { return m_offsetY - p.y * m_scale; }

    void stroke(const SceneItem &item)
    {
        const double width = std::max(1.0, item.width * m_sizeFactor);
        m_out += " fill=\"none\" stroke=\"" + color(item.color) + "\" stroke-width=\""
            + number(width) + "\"";
        // Dash lengths in multiples of the line width, as a pen's dash pattern.
        switch (item.dash) {
        case DashStyle::Dash:
            m_out += " stroke-dasharray=\"" + number(4 * width) + " " + number(2 * width) + "\"";
            break;
        case DashStyle::Dot:
            m_out += " stroke-dasharray=\"" + number(width) + " " + number(2 * width) + "\"";
            break;
        case DashStyle::DashDot:
            m_out += " stroke-dasharray=\"" + number(4 * width) + " " + number(2 * width) + " "
                + number(width) + " " + number(2 * width) + "\"";
            break;
        case DashStyle::Solid:
            m_out += " stroke-linecap=\"round\"";
            break;
        }
    }

    void open(const char *element, const SceneItem &item)
    {
        m_out += "<";
        m_out += element;
        m_out += " class=\"" + xmlText(item.role) + "\"";
    }

    void addItem(const SceneItem &item)
    {
        const ScenePoints &p = item.points;
        switch (item.kind) {
        case SceneItem::Kind::Line:
            if (p.size() < 2) {
                return;
            }
            open("line", item);
            m_out += " x1=\"" + number(x(p[0])) + "\" y1=\"" + number(y(p[0])) + "\" x2=\""
                + number(x(p[1])) + "\" y2=\"" + number(y(p[1])) + "\"";
            stroke(item);
            break;
        case SceneItem::Kind::Polygon:
            if (p.size() < 2) {
                return;
            }
            open("polygon", item);
            m_out += " points=\"";
            for (std::size_t i = 0; i < p.size(); ++i) {
                if (i > 0) {
                    m_out += ' ';
                }
                m_out += number(x(p[i]));
                m_out += ',';
                m_out += number(y(p[i]));
            }
            m_out += "\"";
            stroke(item);
            break;
        case SceneItem::Kind::Circle:
            if (p.empty()) {
                return;
            }
            open("circle", item);
            m_out += " cx=\"" + number(x(p[0])) + "\" cy=\"" + number(y(p[0])) + "\" r=\""
                + number(std::max(1.0, std::fabs(item.radius) * m_scale)) + "\"";
            stroke(item);
            break;
        case SceneItem::Kind::FilledBox: {
            if (p.size() < 2) {
                return;
            }
            const double left = std::min(x(p[0]), x(p[1]));
            const double top = std::min(y(p[0]), y(p[1]));
            open("rect", item);
            m_out += " x=\"" + number(left) + "\" y=\"" + number(top) + "\" width=\""
                + number(std::fabs(x(p[1]) - x(p[0]))) + "\" height=\""
                + number(std::fabs(y(p[1]) - y(p[0]))) + "\" fill=\"" + color(item.color) + "\"";
            break;
        }
        case SceneItem::Kind::Label: {
            if (p.empty()) {
                return;
            }
            // The letter's box (a bold capital, about .72 of the font size
            // each way) beside its point; SVG places a baseline.
            const double size = std::max(6.0, std::floor(11 * m_sizeFactor));
            const double box = 0.72 * size;
            const ScenePoint off = labelOffset(item.toward, item.radius * m_scale, box, box);
            open("text", item);
            m_out += " x=\"" + number(x(p[0]) + off.x) + "\" y=\""
                + number(y(p[0]) - off.y + box / 2) + "\" text-anchor=\"middle\" fill=\""
                + color(item.color) + "\" font-family=\"sans-serif\" font-size=\"" + number(size)
                + "\" font-weight=\"bold\">" + xmlText(item.text) + "</text>\n";
            return;
        }
        }
        m_out += "/>\n";
    }

    void caption(const std::string &text, double left, double baseline, const char *anchor,
        const std::string &fill)
    {
        if (text.empty()) {
            return;
        }
        m_out += "<text class=\"caption\" x=\"" + number(left) + "\" y=\"" + number(baseline)
            + "\" text-anchor=\"" + anchor + "\" fill=\"" + fill + "\">" + xmlText(text)
            + "</text>\n";
    }

    // The same size sceneSvgPlacement gives the caption rows.
    double captionSize() const { return std::clamp(m_width / 60.0, 11.0, 16.0); }

    void addCaptions(const Captions &c)
    {
        const double size = captionSize();
        const double line = kCaptionLine * size;
        const double left = kCaptionInsetX;
        const double right = m_width - kCaptionInsetX;
        const double top = kCaptionInsetY;
        const double bottom = m_height - kCaptionInsetY;
        const double ascent = 0.9 * size; // from a line's top to its baseline, near enough
        m_out += "<g font-family=\"sans-serif\" font-size=\"" + number(size) + "\">\n";
        caption(c.gainBasis, m_width / 2.0, top + ascent, "middle", color(0));
        double lineTop = top + line;
        for (const std::string *text : { &c.rollCenterHeight, &c.rollCenterSide }) {
            caption(*text, left, lineTop + ascent, "start", color(c.staticRollCenterColor));
            lineTop += line;
        }
        for (const std::string *text : { &c.movedRollCenterHeight, &c.movedRollCenterSide }) {
            caption(*text, left, lineTop + ascent, "start", color(c.movedRollCenterColor));
            lineTop += line;
        }
        const double lastTop = bottom - line;
        caption(
            c.camberGain[kSideRight], left, lastTop + ascent, "start", color(c.camberGainColor));
        caption(c.camberGain[kSideLeft], right, lastTop + ascent, "end", color(c.camberGainColor));
        caption(c.status, m_width / 2.0, lastTop - line + ascent, "middle", kStatusColor);
        m_out += "</g>\n";
    }

    int m_width;
    int m_height;
    double m_scale = 1;
    double m_offsetX = 0;
    double m_offsetY = 0;
    double m_sizeFactor = 1;
    std::string m_out;
};

} // namespace

ScenePlacement sceneSvgPlacement(const Scene &scene, const SvgOptions &options)
{
    const int width = std::clamp(options.width, kMinSide, kMaxSide);
    const int height = std::clamp(options.height, kMinSide, kMaxSide);
    const double captionSize = std::clamp(width / 60.0, 11.0, 16.0);
    return placeFrontView(scene, { 0, 0, double(width), double(height) },
        options.captions ? kCaptionLine * captionSize : 0, false);
}

std::string sceneSvg(const Scene &scene, const Captions &captions, const SvgOptions &options)
{
    return SvgWriter(scene, options).run(scene, captions, options.captions);
}

} // namespace tarvik
