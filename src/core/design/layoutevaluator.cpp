// One layout evaluation for the optimizer (see layoutevaluator.h).
#include "core/design/layoutevaluator.h"

#include "core/geometry/engineinputbuilder.h"
#include "core/layout/entrynumbers.h"
#include "core/layout/specrecord.h"
#include "core/text/floatchars.h"
#include "core/text/numberreading.h"
#include "core/text/numbertext.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace tarvik {

namespace {

// The small symmetric roll the roll-centre migration is measured over, deg.
constexpr double kMigrationRollDeg = 1.0;

} // namespace

LayoutEvaluator::LayoutEvaluator(const DesignProblem &problem)
    : m_problem(problem)
    , m_missScale(designMissScale(problem))
{
    SolveOptions options;
    options.withScene = false;
    options.withCaptions = false;
    m_input = buildEngineInput(problem.layout, problem.settings, options);
    // The standard camber gain, whatever definition the windows use.
    m_input.gainSpecChoice = 0;
    m_input.gainDiveText.clear();
    m_input.gainRollText.clear();
    m_input.camberFollowsEdit = false;
    // The texts are read once; an evaluation gives only the varied boxes.
    m_numbers = LayoutInputs(m_input.entries, m_input.units);
    m_request.suspensionType = m_input.suspensionType;
    m_request.entryMode = m_input.suspensionType == SuspensionType::Strut ? EntryMode::XAndHeight
                                                                          : m_input.entryMode;

    // The distinct chassis motions the targets need, in the order met.
    const auto callFor = [this](double dive, double roll) {
        const std::string diveText = numberText(dive);
        const std::string rollText = numberText(roll);
        for (std::size_t i = 0; i < m_calls.size(); ++i) {
            if (m_calls[i].diveText == diveText && m_calls[i].rollText == rollText) {
                return static_cast<int>(i);
            }
        }
        m_calls.push_back({ true, diveText, rollText });
        return static_cast<int>(m_calls.size() - 1);
    };
    for (const DesignTarget &t : problem.targets) {
        int call = -1;
        if (t.kind == DesignTargetKind::Camber) {
            call = callFor(t.diveIn, t.rollDeg);
        } else if (t.kind == DesignTargetKind::RollCenterMigration) {
            m_rollPlusCall = callFor(0, kMigrationRollDeg);
            m_rollMinusCall = callFor(0, -kMigrationRollDeg);
        }
        m_targetCall.push_back(call);
    }
    if (m_calls.empty()) {
        m_calls.push_back({ false, {}, {} });
    }
    m_outputs.resize(m_calls.size());

    for (const DesignVariable &v : problem.variables) {
        m_startValues.push_back(readNumber(problem.layout.record.get(v.entries.front())));
        m_boxes.push_back(v.entries);
    }
}

double LayoutEvaluator::evaluate(std::span<const double> values, std::span<double> achieved)
{
    for (std::size_t i = 0; i < values.size() && i < m_boxes.size(); ++i) {
        // The number the box text would read as, made without the text.
        if (const std::optional<double> read = readSixDecimals(values[i])) {
            for (const Entry entry : m_boxes[i]) {
                m_numbers.setRead(entry, *read);
            }
            continue;
        }
        char buffer[64];
        const auto [end, ec] = toCharsFixed(buffer, buffer + sizeof buffer, values[i], 6);
        const std::size_t length = ec == std::errc() ? static_cast<std::size_t>(end - buffer) : 0;
        for (const Entry entry : m_boxes[i]) {
            m_numbers.set(entry, std::string_view(buffer, length));
        }
    }
    return solveAndScore(achieved);
}

double LayoutEvaluator::evaluateTexts(
    std::span<const std::string> texts, std::span<double> achieved)
{
    for (std::size_t i = 0; i < texts.size() && i < m_boxes.size(); ++i) {
        for (const Entry entry : m_boxes[i]) {
            m_numbers.set(entry, texts[i]);
        }
    }
    return solveAndScore(achieved);
}

double LayoutEvaluator::solveAndScore(std::span<double> achieved)
{
    bool feasible = true;
    // The calls differ only in dive and roll: the static and camber-gain
    // passes are solved once for all of them.
    const LayoutPasses passes(m_numbers, m_request);
    for (std::size_t c = 0; c < m_calls.size(); ++c) {
        const Call &call = m_calls[c];
        if (c != m_currentCall) {
            m_numbers.set(Entry::dive(), call.diveText);
            m_numbers.set(Entry::roll(), call.rollText);
            m_currentCall = c;
        }
        // Numbers only: no caption, write-back or scene is made for a search.
        LayoutNumbers &out = m_outputs[c];
        passes.solve(out, call.moved);
        toLayoutUnits(out, m_input.units);
        ++m_engineCalls;
        feasible = feasible && !out.layoutProblem && !hasShownFault(out.faults);
    }

    const LayoutNumbers &first = m_outputs.front();
    double error = 0;
    for (std::size_t k = 0; k < m_problem.targets.size() && k < achieved.size(); ++k) {
        const DesignTarget &t = m_problem.targets[k];
        const int side = t.side == kSideLeft ? kSideLeft : kSideRight;
        double value = 0;
        switch (t.kind) {
        case DesignTargetKind::RollCenterHeight:
            value = first.staticPass.rollCenter.y;
            break;
        case DesignTargetKind::RollCenterMigration: {
            const LayoutNumbers &plus = m_outputs[static_cast<std::size_t>(m_rollPlusCall)];
            const LayoutNumbers &minus = m_outputs[static_cast<std::size_t>(m_rollMinusCall)];
            value = plus.moved && minus.moved
                ? (double(plus.movedPass.rollCenter.x) - double(minus.movedPass.rollCenter.x))
                    / (2 * kMigrationRollDeg)
                : std::nan("");
            break;
        }
        case DesignTargetKind::CamberGain:
            value = t.side == kBothSides
                ? (first.camberGain[kSideRight] + first.camberGain[kSideLeft]) / 2
                : first.camberGain[static_cast<std::size_t>(side)];
            break;
        case DesignTargetKind::Camber:
            value = m_outputs[static_cast<std::size_t>(m_targetCall[k])]
                        .camber[static_cast<std::size_t>(side)];
            break;
        case DesignTargetKind::ScrubRadius:
            value = first.staticPass.side[static_cast<std::size_t>(side)].scrubRadius;
            break;
        }
        achieved[k] = value;
        const double miss = (value - t.value) * m_missScale;
        error += t.weight * miss * miss;
    }
    if (!feasible || !std::isfinite(error)) {
        return kInfeasibleError;
    }
    return error;
}

} // namespace tarvik
