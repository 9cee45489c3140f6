// Find Pick-up Points for the browser edition: the core's design form over
// the page's layout, and the search itself. The page runs the search in a
// Web Worker with its own module and document (a static host gives no
// WebAssembly threads, so the evaluation pool runs on that one thread);
// progress goes out through a callback, and Stop ends the worker.
#include "webdesign.h"

#include "core/design/pickupoptimizer.h"
#include "core/text/numberreading.h"
#include "core/text/pictureformat.h"

#include <algorithm>
#include <cmath>

namespace tarvik::web {

namespace {

using emscripten::val;

val designResultOf(const OptimizerResult &r, const LayoutState &before)
{
    val out = val::object();
    out.set("refusal", r.refusal);
    val entries = val::array();
    for (const DesignEntryChange &e : r.entries) {
        val entry = val::object();
        entry.set("entry", e.entry.number());
        entry.set("text", e.text);
        entries.call<void>("push", entry);
    }
    out.set("entries", entries);
    val changes = val::array();
    for (const DesignChange &c : designChanges(before, r)) {
        val change = val::object();
        change.set("label", c.label);
        change.set("before", c.before);
        change.set("after", c.after);
        changes.call<void>("push", change);
    }
    out.set("changes", changes);
    val targets = val::array();
    for (const DesignTargetOutcome &t : r.targets) {
        val target = val::object();
        target.set("name", t.name);
        target.set("target", designValueText(t.target));
        target.set("achieved", designValueText(t.achieved));
        target.set("reached", t.reached);
        targets.call<void>("push", target);
    }
    out.set("targets", targets);
    out.set(
        "movement", r.refusal.empty() ? designMovementText(r, before.units) : std::string());
    out.set("layoutProblem", r.layoutProblem);
    // What the window says of the answer, as the desktop's window says it.
    const std::string how = r.stop == OptimizerStop::Cancelled ? "Stopped"
        : r.stop == OptimizerStop::TimeLimit                   ? "Time limit reached"
                                                               : "Done";
    std::string status;
    if (!r.refusal.empty()) {
        status = r.refusal;
    } else if (r.layoutProblem) {
        status = how + ": no allowed move gives a sound layout; nothing to apply.";
    } else if (designChanges(before, r).empty()) {
        status = how + ": the layout as it stands is the best answer; nothing changes.";
    } else {
        status = how + ": Apply writes these boxes into the layout as one change.";
    }
    out.set("status", status);
    out.set("applicable", r.refusal.empty() && !r.layoutProblem && !r.entries.empty());
    return out;
}

// The answer Stop gives: the best layout so far rounded to the boxes'
// hundredths and scored once more on those texts, as the search itself ends
// after a cancel. The page's worker cannot be asked to cancel while it
// searches (no shared memory on a static host), so every progress message
// carries this answer and Stop ends the worker and offers the last one.
OptimizerResult bestSoFar(
    const DesignProblem &problem, const std::vector<double> &values, const LayoutState &layout)
{
    OptimizerResult r;
    r.stop = OptimizerStop::Cancelled;
    if (values.size() != problem.variables.size()) {
        r.layoutProblem = true;
        return r;
    }
    std::vector<std::string> texts;
    for (const double v : values) {
        texts.push_back(formatPicture(std::round(v * 100.0) / 100.0, "###.00"));
    }
    LayoutEvaluator evaluator(problem);
    std::vector<double> achieved(problem.targets.size(), 0.0);
    const double error = evaluator.evaluateTexts(texts, achieved);
    double squaredRange = 0;
    for (std::size_t j = 0; j < values.size(); ++j) {
        const DesignVariable &v = problem.variables[j];
        const double span = v.maxValue - v.minValue;
        for (const Entry entry : v.entries) {
            r.entries.push_back({ entry, coordinateName(entry), texts[j] });
            const double start = readNumber(layout.record.get(entry));
            r.movement += std::fabs(readNumber(texts[j]) - start);
            if (span > 0) {
                squaredRange += std::pow((readNumber(texts[j]) - start) / span, 2);
            }
        }
    }
    std::sort(r.entries.begin(), r.entries.end(),
        [](const DesignEntryChange &a, const DesignEntryChange &b) { return a.entry < b.entry; });
    r.rangeMovement = std::sqrt(squaredRange);
    r.layoutProblem = !(error < kInfeasibleError);
    r.error = r.layoutProblem ? kInfeasibleError : error / evaluator.scoreFactor();
    for (std::size_t t = 0; t < problem.targets.size(); ++t) {
        const DesignTarget &target = problem.targets[t];
        const bool reached
            = !r.layoutProblem && std::fabs(achieved[t] - target.value) <= kDesignReachedTolerance;
        r.targets.push_back(
            { designTargetName(target), target.value, target.weight, achieved[t], reached });
    }
    return r;
}

} // namespace

WebDesign::WebDesign(WebDocument &doc)
    : m_doc(&doc)
    , m_form(doc.state(), doc.settings())
{
}

val WebDesign::view()
{
    // A form of its own for every opening: its targets and ranges start
    // from the layout as it stands now.
    m_form = DesignForm(m_doc->state(), m_doc->settings());
    val out = val::object();
    val targets = val::array();
    for (const DesignTargetRow &row : m_form.targets()) {
        val t = val::object();
        t.set("label", row.label);
        t.set("used", row.used);
        t.set("value", row.value);
        t.set("weight", row.weight);
        t.set("isCamber", row.target.kind == DesignTargetKind::Camber);
        t.set("dive", row.dive);
        t.set("roll", row.roll);
        t.set("now", std::isnan(row.now) ? std::string() : designValueText(row.now));
        t.set("unit", m_form.unit(row));
        targets.call<void>("push", t);
    }
    out.set("targets", targets);
    val coordinates = val::array();
    for (const DesignCoordinateRow &row : m_form.coordinates()) {
        val c = val::object();
        c.set("entry", row.entry.number());
        c.set("label", row.label);
        c.set("used", row.used);
        c.set("minimum", row.minimum);
        c.set("maximum", row.maximum);
        c.set("now", row.now);
        c.set("computed", row.computed);
        coordinates.call<void>("push", c);
    }
    out.set("coordinates", coordinates);
    out.set("symmetric", m_form.symmetric());
    out.set("preferSmallChange", m_form.preferSmallChange());
    out.set("lengthUnit", m_form.lengthUnit());
    return out;
}

void WebDesign::setTarget(int i, bool used, const std::string &value, const std::string &weight,
    const std::string &dive, const std::string &roll)
{
    auto &rows = m_form.targets();
    if (i < 0 || i >= static_cast<int>(rows.size())) {
        return;
    }
    DesignTargetRow &row = rows[static_cast<std::size_t>(i)];
    row.used = used;
    row.value = value;
    row.weight = weight;
    row.dive = dive;
    row.roll = roll;
}

void WebDesign::setCoordinate(
    int i, bool used, const std::string &minimum, const std::string &maximum)
{
    auto &rows = m_form.coordinates();
    if (i < 0 || i >= static_cast<int>(rows.size())) {
        return;
    }
    DesignCoordinateRow &row = rows[static_cast<std::size_t>(i)];
    row.used = used;
    row.minimum = minimum;
    row.maximum = maximum;
}

val WebDesign::run(val onProgress)
{
    const DesignFormProblem posed = m_form.problem();
    if (!posed.refusal.empty()) {
        OptimizerResult refused;
        refused.refusal = posed.refusal;
        return designResultOf(refused, m_doc->state());
    }
    OptimizerOptions options;
    options.threads = 1;
    options.progressIntervalS = 0.2;
    const DesignProblem &problem = posed.problem;
    const LayoutState &layout = m_doc->state();
    options.onProgress = [&onProgress, &problem, &layout](const OptimizerProgress &p) {
        val progress = val::object();
        if (p.sound && p.stage != "done") {
            progress.set("best", designResultOf(bestSoFar(problem, p.values, layout), layout));
        }
        progress.set("stage", p.stage);
        progress.set("error", p.sound ? designValueText(p.error) : std::string());
        progress.set("evaluations", static_cast<double>(p.evaluations));
        progress.set("elapsed", p.elapsedS);
        onProgress(progress);
    };
    PickupOptimizer optimizer(posed.problem, options);
    return designResultOf(optimizer.run(), m_doc->state());
}

} // namespace tarvik::web
