// Target and coordinate names, and the checks a design problem must pass
// before a search starts (see designproblem.h).
#include "core/design/designproblem.h"

#include "core/layout/entrynumbers.h"
#include "core/layout/units.h"
#include "core/text/floatchars.h"
#include "core/text/numberreading.h"
#include "core/text/numbertext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <set>
#include <system_error>

namespace tarvik {

namespace {

constexpr std::array<std::string_view, 6> kPointNames = { "upper_ball_joint", "upper_frame_pivot",
    "lower_ball_joint", "lower_frame_pivot", "upper_spring_pad", "lower_spring_pad" };

constexpr std::string_view kSideNames[2] = { "right", "left" };

} // namespace

bool readDesignNumber(std::string_view text, double &value)
{
    if (text.empty() || text.size() > 64) {
        return false;
    }
    // from_chars takes no leading '+'; a plain decimal may have one.
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    for (const char c : text) {
        const bool ok = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == 'e' || c == 'E';
        if (!ok) {
            return false;
        }
    }
    const auto [end, ec] = fromChars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

namespace {

bool parseMotion(std::string_view text, DesignTarget &target)
{
    const auto comma = text.find(',');
    if (comma == std::string_view::npos) {
        return false;
    }
    return readDesignNumber(text.substr(0, comma), target.diveIn)
        && readDesignNumber(text.substr(comma + 1), target.rollDeg);
}

std::string describeRange(const DesignVariable &v)
{
    return numberText(v.minValue) + ":" + numberText(v.maxValue);
}

} // namespace

std::optional<DesignTarget> parseDesignTargetName(std::string_view name, std::string &message)
{
    DesignTarget t;
    const auto at = name.find('@');
    const std::string_view base = name.substr(0, at);
    if (at != std::string_view::npos) {
        if (base != "camber-right" && base != "camber-left") {
            message = "only camber-right and camber-left take @DIVE,ROLL, not '" + std::string(name)
                + "'";
            return std::nullopt;
        }
        if (!parseMotion(name.substr(at + 1), t)) {
            message = "target '" + std::string(name)
                + "' needs @DIVE,ROLL: the dive in the layout's length unit, the roll in degrees";
            return std::nullopt;
        }
        t.kind = DesignTargetKind::Camber;
        t.side = base == "camber-right" ? kSideRight : kSideLeft;
        return t;
    }
    struct Known
    {
        std::string_view name;
        DesignTargetKind kind;
        int side;
    };
    static constexpr Known kKnown[] = {
        { "rc-height", DesignTargetKind::RollCenterHeight, kBothSides },
        { "rc-migration", DesignTargetKind::RollCenterMigration, kBothSides },
        { "camber-gain", DesignTargetKind::CamberGain, kBothSides },
        { "camber-gain-right", DesignTargetKind::CamberGain, kSideRight },
        { "camber-gain-left", DesignTargetKind::CamberGain, kSideLeft },
        { "scrub-right", DesignTargetKind::ScrubRadius, kSideRight },
        { "scrub-left", DesignTargetKind::ScrubRadius, kSideLeft },
    };
    for (const Known &k : kKnown) {
        if (name == k.name) {
            t.kind = k.kind;
            t.side = k.side;
            return t;
        }
    }
    if (name == "camber-right" || name == "camber-left") {
        message = "target '" + std::string(name) + "' needs @DIVE,ROLL, as in " + std::string(name)
            + "@1,0";
        return std::nullopt;
    }
    message = "unknown target '" + std::string(name) + "'";
    return std::nullopt;
}

std::string designTargetName(const DesignTarget &t)
{
    const bool right = t.side == kSideRight;
    const bool left = t.side == kSideLeft;
    switch (t.kind) {
    case DesignTargetKind::RollCenterHeight:
        return "rc-height";
    case DesignTargetKind::RollCenterMigration:
        return "rc-migration";
    case DesignTargetKind::CamberGain:
        return right ? "camber-gain-right" : (left ? "camber-gain-left" : "camber-gain");
    case DesignTargetKind::Camber:
        return std::string(right ? "camber-right@" : "camber-left@") + numberText(t.diveIn) + ","
            + numberText(t.rollDeg);
    case DesignTargetKind::ScrubRadius:
        return right ? "scrub-right" : "scrub-left";
    }
    return {};
}

double designTargetUnitFactor(DesignTargetKind kind, Units units)
{
    switch (kind) {
    case DesignTargetKind::RollCenterHeight:
    case DesignTargetKind::RollCenterMigration:
    case DesignTargetKind::ScrubRadius:
        return unitFactor(Quantity::Length, units);
    case DesignTargetKind::CamberGain:
    case DesignTargetKind::Camber:
        break;
    }
    return 1.0;
}

std::string designTargetUnit(DesignTargetKind kind, Units units)
{
    const std::string length = units == Units::Metric ? "mm" : "in";
    switch (kind) {
    case DesignTargetKind::RollCenterHeight:
    case DesignTargetKind::ScrubRadius:
        return length;
    case DesignTargetKind::RollCenterMigration:
        return length + "/deg";
    case DesignTargetKind::CamberGain:
        return "deg/in";
    case DesignTargetKind::Camber:
        break;
    }
    return "deg";
}

std::optional<Entry> coordinateEntry(std::string_view name)
{
    const auto first = name.find('.');
    const auto last = name.rfind('.');
    if (first == std::string_view::npos || first == last) {
        return std::nullopt;
    }
    const std::string_view sideName = name.substr(0, first);
    const std::string_view pointName = name.substr(first + 1, last - first - 1);
    const std::string_view axis = name.substr(last + 1);
    const int side = sideName == kSideNames[kSideRight] ? kSideRight
        : sideName == kSideNames[kSideLeft]             ? kSideLeft
                                                        : -1;
    const int column = axis == "x" ? kColumnX : (axis == "y" ? kColumnHeight : -1);
    int row = -1;
    for (std::size_t r = 0; r < kPointNames.size(); ++r) {
        if (pointName == kPointNames[r]) {
            row = static_cast<int>(r);
        }
    }
    if (side < 0 || column < 0 || row < 0) {
        return std::nullopt;
    }
    return Entry::coordinate(side, static_cast<PointRow>(row), column);
}

std::string coordinateName(Entry entry)
{
    const EntryPosition p = entryPosition(entry.number());
    if (p.block != EntryBlock::Points || p.row < 0
        || p.row >= static_cast<int>(kPointNames.size())) {
        return {};
    }
    return std::string(kSideNames[p.side]) + "." + std::string(kPointNames[p.row])
        + (p.column == kColumnX ? ".x" : ".y");
}

bool coordinateFollowsArm(const LayoutState &layout, const Settings &settings, Entry entry)
{
    if (settings.entryMode != EntryMode::LengthAndAngle
        || layout.suspensionType != SuspensionType::DoubleAArm || coordinateName(entry).empty()) {
        return false;
    }
    // Upper frame pivot and lower ball joint follow the arm rows when the arm
    // has a length in the length-and-angle entry mode.
    const EntryPosition p = entryPosition(entry.number());
    const int armRow = p.row == kUpperFramePivot ? kUpperArmDim
        : p.row == kLowerBallJoint               ? kLowerArmDim
                                                 : -1;
    return armRow >= 0
        && readNumber(layout.record.get(
               Entry::armDimension(p.side, static_cast<PointRow>(armRow), kColumnX)))
        > 0;
}

DesignVariable makeDesignVariable(Entry entry, double minValue, double maxValue, bool symmetric)
{
    DesignVariable v;
    v.entries.push_back(entry);
    if (symmetric && entry.mirror() != entry) {
        v.entries.push_back(entry.mirror());
    }
    v.minValue = minValue;
    v.maxValue = maxValue;
    return v;
}

double designMissScale(const DesignProblem &problem)
{
    // Below this the squared misses of the geometry's own values stay far
    // from overflowing.
    constexpr double kPlainLimit = 0x1.0p64;
    double largest = 0;
    for (const DesignTarget &t : problem.targets) {
        // A weight counts as the square of a miss does.
        const double size = std::sqrt(t.weight) * std::max(1.0, std::fabs(t.value));
        if (std::isfinite(size)) {
            largest = std::max(largest, size);
        }
    }
    return largest <= kPlainLimit ? 1.0 : std::ldexp(1.0, -std::ilogb(largest));
}

std::string designProblemRefusal(const DesignProblem &problem)
{
    if (problem.targets.empty()) {
        return "no target given";
    }
    if (problem.variables.empty()) {
        return "no coordinate to vary";
    }
    std::set<std::string> targetNames;
    for (const DesignTarget &t : problem.targets) {
        const std::string name = designTargetName(t);
        if (!std::isfinite(t.value)) {
            return "target '" + name + "' needs a finite value";
        }
        if (!std::isfinite(t.weight) || t.weight <= 0) {
            return "target '" + name + "' needs a weight above 0";
        }
        if (t.kind == DesignTargetKind::Camber
            && (!std::isfinite(t.diveIn) || !std::isfinite(t.rollDeg))) {
            return "target '" + name + "' needs a finite dive and roll";
        }
        if (!targetNames.insert(name).second) {
            return "target '" + name + "' is given twice";
        }
    }
    if (!(problem.preferSmallChange >= 0 && problem.preferSmallChange <= kMaxSmallChange)) {
        return "the weight of the smallest change needs a number from 0 (off) to a million";
    }
    std::set<Entry> varied;
    for (const DesignVariable &v : problem.variables) {
        if (v.entries.empty()) {
            return "a coordinate to vary names no box";
        }
        const std::string name = coordinateName(v.entries.front());
        for (const Entry entry : v.entries) {
            if (coordinateName(entry).empty()) {
                return "entry " + numberText(entry.number()) + " is no pick-up point coordinate";
            }
            if (!varied.insert(entry).second) {
                return "coordinate '" + coordinateName(entry) + "' is varied twice";
            }
            if (coordinateFollowsArm(problem.layout, problem.settings, entry)) {
                return "coordinate '" + coordinateName(entry)
                    + "' follows its arm's length and angle in this entry mode";
            }
        }
        if (!std::isfinite(v.minValue) || !std::isfinite(v.maxValue)) {
            return "coordinate '" + name + "' needs a finite range";
        }
        if (v.minValue > v.maxValue) {
            return "coordinate '" + name + "' has a reversed range " + describeRange(v);
        }
        if (std::ceil(v.minValue / kDesignGridStep - 1e-6)
            > std::floor(v.maxValue / kDesignGridStep + 1e-6)) {
            return "coordinate '" + name + "' has a range " + describeRange(v)
                + " that holds no value of two decimals";
        }
        if (std::fabs(v.minValue) > 1e6 || std::fabs(v.maxValue) > 1e6) {
            return "coordinate '" + name + "' has a range beyond a million "
                + (problem.layout.units == Units::Metric ? "millimetres" : "inches");
        }
    }
    return {};
}

} // namespace tarvik
