// Derivatives of the layout's results by its pick-up point coordinates (see
// sensitivity.h).
#include "core/design/sensitivity.h"

#include "core/design/designproblem.h"
#include "core/design/layoutevaluator.h"
#include "core/design/measurements.h"
#include "core/layout/entrynumbers.h"
#include "core/layout/units.h"
#include "core/text/numberreading.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace tarvik {

namespace {

std::vector<DesignTarget> resultTargets(std::optional<ChassisPosition> position)
{
    std::vector<DesignTarget> targets;
    std::string ignored;
    for (const char *name : { "rc-height", "rc-migration", "camber-gain-right", "camber-gain-left",
             "scrub-right", "scrub-left" }) {
        targets.push_back(*parseDesignTargetName(name, ignored));
    }
    if (position) {
        for (const int side : { kSideRight, kSideLeft }) {
            DesignTarget t;
            t.kind = DesignTargetKind::Camber;
            t.side = side;
            t.diveIn = position->dive;
            t.rollDeg = position->roll;
            targets.push_back(t);
        }
    }
    return targets;
}

std::string perUnitName(DesignTargetKind kind, Units units)
{
    const std::string length = units == Units::English ? "in" : "mm";
    switch (kind) {
    case DesignTargetKind::RollCenterHeight:
    case DesignTargetKind::ScrubRadius:
        return length + "/" + length;
    case DesignTargetKind::RollCenterMigration:
        return length + "/deg/" + length;
    case DesignTargetKind::CamberGain:
        return "deg/in/" + length;
    case DesignTargetKind::Camber:
        break;
    }
    return "deg/" + length;
}

} // namespace

SensitivityTable computeSensitivity(
    const LayoutState &layout, const Settings &settings, std::optional<ChassisPosition> position)
{
    SensitivityTable table;
    DesignProblem problem;
    problem.layout = layout;
    problem.settings = settings;
    problem.targets = resultTargets(position);
    for (const DesignTarget &t : problem.targets) {
        table.results.push_back(designTargetName(t));
        table.units.push_back(perUnitName(t.kind, layout.units));
    }
    const std::size_t columns = problem.targets.size();
    std::vector<double> here(columns), plus(columns), minus(columns);
    {
        LayoutEvaluator evaluator(problem);
        if (evaluator.evaluate({}, here) >= kInfeasibleError) {
            table.layoutProblem = true;
            return table;
        }
    }
    const double step
        = kSensitivityStepIn * (layout.units == Units::English ? 1 : kMillimetresPerInch);
    for (int side = kSideRight; side <= kSideLeft; ++side) {
        for (int row = kUpperBallJoint; row <= kLowerSpringPad; ++row) {
            for (int column = kColumnX; column <= kColumnHeight; ++column) {
                const Entry entry = Entry::coordinate(side, static_cast<PointRow>(row), column);
                std::vector<double> derivatives(columns, std::nan(""));
                if (!coordinateFollowsArm(layout, settings, entry)) {
                    const double value = readNumber(layout.record.get(entry));
                    problem.variables = { makeDesignVariable(entry, value, value, false) };
                    LayoutEvaluator evaluator(problem);
                    const double up[] = { value + step };
                    const double down[] = { value - step };
                    const bool sound = evaluator.evaluate(up, plus) < kInfeasibleError
                        && evaluator.evaluate(down, minus) < kInfeasibleError;
                    for (std::size_t k = 0; sound && k < columns; ++k) {
                        derivatives[k] = (plus[k] - minus[k]) / (2 * step);
                    }
                }
                table.coordinates.push_back(coordinateName(entry));
                table.entries.push_back(entry);
                table.perUnit.push_back(std::move(derivatives));
            }
        }
    }
    // Largest effect first.
    const std::vector<std::size_t> order = sensitivityOrder(table, -1);
    SensitivityTable sorted = table;
    for (std::size_t i = 0; i < order.size(); ++i) {
        sorted.coordinates[i] = table.coordinates[order[i]];
        sorted.entries[i] = table.entries[order[i]];
        sorted.perUnit[i] = table.perUnit[order[i]];
    }
    return sorted;
}

std::vector<std::size_t> sensitivityOrder(const SensitivityTable &table, int column)
{
    const std::size_t columns = table.results.size();
    std::vector<double> largest(columns, 0.0);
    for (const auto &row : table.perUnit) {
        for (std::size_t k = 0; k < columns && k < row.size(); ++k) {
            if (std::isfinite(row[k])) {
                largest[k] = std::max(largest[k], std::abs(row[k]));
            }
        }
    }
    // Each row's size: NaN rows count as -1 so they sort last.
    std::vector<double> size(table.perUnit.size(), -1.0);
    for (std::size_t r = 0; r < table.perUnit.size(); ++r) {
        for (std::size_t k = 0; k < columns && k < table.perUnit[r].size(); ++k) {
            const double v = table.perUnit[r][k];
            if ((column >= 0 && static_cast<std::size_t>(column) != k) || !std::isfinite(v)) {
                continue;
            }
            const double scaled = column >= 0 ? std::abs(v)
                : largest[k] > 0              ? std::abs(v) / largest[k]
                                              : 0.0;
            size[r] = std::max(size[r], scaled);
        }
    }
    std::vector<std::size_t> order(table.perUnit.size());
    std::iota(order.begin(), order.end(), std::size_t { 0 });
    std::stable_sort(order.begin(), order.end(),
        [&](std::size_t a, std::size_t b) { return size[a] > size[b]; });
    return order;
}

std::string sensitivityCsv(const SensitivityTable &table)
{
    std::string text = "coordinate";
    for (const std::string &name : table.results) {
        text += name.find(',') == std::string::npos ? "," + name : ",\"" + name + "\"";
    }
    text += "\n";
    for (std::size_t r = 0; r < table.coordinates.size(); ++r) {
        text += table.coordinates[r];
        for (const double v : table.perUnit[r]) {
            text += "," + (std::isfinite(v) ? measurementNumberText(v) : std::string {});
        }
        text += "\n";
    }
    return text;
}

} // namespace tarvik
