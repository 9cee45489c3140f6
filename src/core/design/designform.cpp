// The pick-up point window's form (see designform.h).
#include "core/design/designform.h"

#include "core/design/layoutevaluator.h"
#include "core/layout/entrynumbers.h"
#include "core/layout/units.h"
#include "core/text/numberreading.h"
#include "core/text/numbertext.h"

#include <cmath>

namespace tarvik {

namespace {

struct TargetKind
{
    const char *label;
    DesignTargetKind kind;
    int side;
};

constexpr TargetKind kTargetRows[] = {
    { "Roll Center Height", DesignTargetKind::RollCenterHeight, kBothSides },
    { "Roll Center Migration", DesignTargetKind::RollCenterMigration, kBothSides },
    { "Camber Gain, Mean", DesignTargetKind::CamberGain, kBothSides },
    { "Camber Gain Right", DesignTargetKind::CamberGain, kSideRight },
    { "Camber Gain Left", DesignTargetKind::CamberGain, kSideLeft },
    { "Camber Right at Dive, Roll", DesignTargetKind::Camber, kSideRight },
    { "Camber Left at Dive, Roll", DesignTargetKind::Camber, kSideLeft },
    { "Scrub Radius Right", DesignTargetKind::ScrubRadius, kSideRight },
    { "Scrub Radius Left", DesignTargetKind::ScrubRadius, kSideLeft },
};

constexpr int kFreePointRows = 6; // upper ball joint .. lower spring pad

std::string trimmed(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool readText(const std::string &text, double &value)
{
    return readDesignNumber(trimmed(text), value);
}

std::string hundredthsText(double value)
{
    return numberText(std::round(value * 100) / 100);
}

} // namespace

std::string designValueText(double value)
{
    if (!std::isfinite(value)) {
        return "-";
    }
    const double rounded = std::round(value * 1000) / 1000;
    return numberText(rounded == 0 ? 0.0 : rounded);
}

DesignForm::DesignForm(const LayoutState &layout, const Settings &settings)
    : m_layout(layout)
    , m_settings(settings)
{
    fill();
}

void DesignForm::fill()
{
    const double reach = kDesignReachIn * unitFactor(Quantity::Length, m_layout.units);
    // Camber targets start at the layout's own dive and roll, or at one inch
    // of dive when it has none.
    const std::string &diveBox = m_layout.record.get(Entry::dive());
    const std::string &rollBox = m_layout.record.get(Entry::roll());
    const bool moved = readNumber(diveBox) != 0 || readNumber(rollBox) != 0;
    const std::string dive = moved ? numberText(readNumber(diveBox))
                                   : numberText(unitFactor(Quantity::Length, m_layout.units));
    const std::string roll = moved ? numberText(readNumber(rollBox)) : "0";

    m_targets.clear();
    for (const TargetKind &k : kTargetRows) {
        DesignTargetRow row;
        row.target.kind = k.kind;
        row.target.side = k.side;
        row.label = k.label;
        if (k.kind == DesignTargetKind::Camber) {
            row.dive = dive;
            row.roll = roll;
        }
        m_targets.push_back(row);
    }
    m_coordinates.clear();
    bool symmetric = true;
    for (int pointRow = 0; pointRow < kFreePointRows; ++pointRow) {
        const auto point = static_cast<PointRow>(pointRow);
        for (const int column : { kColumnX, kColumnHeight }) {
            for (const int side : { kSideRight, kSideLeft }) {
                DesignCoordinateRow row;
                row.entry = Entry::coordinate(side, point, column);
                const double now = readNumber(m_layout.record.get(row.entry));
                row.minimum = hundredthsText(now - reach);
                row.maximum = hundredthsText(now + reach);
                m_coordinates.push_back(row);
            }
            symmetric = symmetric
                && readNumber(m_layout.record.get(Entry::coordinate(kSideRight, point, column)))
                    == readNumber(m_layout.record.get(Entry::coordinate(kSideLeft, point, column)));
        }
    }
    m_symmetric = symmetric;
    measure();
    for (DesignTargetRow &row : m_targets) {
        row.value = std::isfinite(row.now) ? designValueText(row.now) : "";
    }
}

void DesignForm::refresh(const LayoutState &layout, const Settings &settings)
{
    const bool otherUnits = layout.units != m_layout.units;
    m_layout = layout;
    m_settings = settings;
    if (otherUnits) {
        // Every typed text would be in the other unit: start afresh.
        fill();
        return;
    }
    measure();
}

void DesignForm::measure()
{
    for (DesignCoordinateRow &row : m_coordinates) {
        row.label = entryDescription(row.entry, m_layout.suspensionType);
        row.label = row.label.substr(row.label.find(' ') + 1); // the column names the side
        row.now = m_layout.record.get(row.entry);
        row.computed = coordinateFollowsArm(m_layout, m_settings, row.entry);
    }

    // Every target at once, on the layout as it stands.
    DesignProblem problem;
    problem.layout = m_layout;
    problem.settings = m_settings;
    std::vector<bool> readable;
    for (const DesignTargetRow &row : m_targets) {
        DesignTarget t = row.target;
        bool ok = true;
        if (t.kind == DesignTargetKind::Camber) {
            ok = readText(row.dive, t.diveIn) && readText(row.roll, t.rollDeg);
        }
        readable.push_back(ok);
        if (ok) {
            problem.targets.push_back(t);
        }
    }
    std::vector<double> achieved(problem.targets.size(), 0.0);
    const bool sound = LayoutEvaluator(problem).evaluateTexts({}, achieved) < kInfeasibleError;
    std::size_t k = 0;
    for (std::size_t i = 0; i < m_targets.size(); ++i) {
        const double value = readable[i] ? achieved[k++] : std::nan("");
        m_targets[i].now = sound ? value : std::nan("");
    }
}

std::string DesignForm::unit(const DesignTargetRow &row) const
{
    return designTargetUnit(row.target.kind, m_layout.units);
}

DesignFormProblem DesignForm::problem() const
{
    DesignFormProblem out;
    out.problem.layout = m_layout;
    out.problem.settings = m_settings;
    out.problem.preferSmallChange = m_preferSmallChange ? 1.0 : 0.0;
    const auto refuse = [&out](const std::string &why) {
        out.refusal = why;
        return out;
    };
    for (const DesignTargetRow &row : m_targets) {
        if (!row.used) {
            continue;
        }
        DesignTarget t = row.target;
        if (!readText(row.value, t.value)) {
            return refuse(row.label + ": the target needs a number, not '" + row.value + "'");
        }
        if (!readText(row.weight, t.weight) || !(t.weight > 0)) {
            return refuse(row.label + ": the weight needs a number above 0");
        }
        if (t.kind == DesignTargetKind::Camber
            && (!readText(row.dive, t.diveIn) || !readText(row.roll, t.rollDeg))) {
            return refuse(row.label + ": the dive and the roll need numbers");
        }
        out.problem.targets.push_back(t);
    }
    for (const DesignCoordinateRow &row : m_coordinates) {
        const bool left = entryPosition(row.entry).side == kSideLeft;
        if (!row.used || (m_symmetric && left)) {
            continue;
        }
        const std::string name = (left ? "Left " : "Right ") + row.label;
        if (row.computed) {
            return refuse(name + " follows its arm's length and angle in this entry mode");
        }
        double low = 0;
        double high = 0;
        if (!readText(row.minimum, low) || !readText(row.maximum, high)) {
            return refuse(name + ": the range needs two numbers");
        }
        if (low > high) {
            return refuse(name + ": the range's minimum is above its maximum");
        }
        out.problem.variables.push_back(makeDesignVariable(row.entry, low, high, m_symmetric));
    }
    if (out.problem.targets.empty()) {
        return refuse("Choose at least one target.");
    }
    if (out.problem.variables.empty()) {
        return refuse("Choose at least one coordinate that may move.");
    }
    return refuse(designProblemRefusal(out.problem));
}

std::vector<DesignChange> designChanges(const LayoutState &before, const OptimizerResult &result)
{
    std::vector<DesignChange> changes;
    for (const DesignEntryChange &c : result.entries) {
        const std::string &old = before.record.get(c.entry);
        if (readNumber(old) != readNumber(c.text)) {
            changes.push_back(
                { c.entry, entryDescription(c.entry, before.suspensionType), old, c.text });
        }
    }
    return changes;
}

std::string designMovementText(const OptimizerResult &result, Units units)
{
    return "Total movement: " + designValueText(result.movement)
        + (units == Units::Metric ? " mm" : " in") + " (" + designValueText(result.rangeMovement)
        + " of the ranges)";
}

} // namespace tarvik
