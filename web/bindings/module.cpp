// The page's one door into the core: embind names for the browser edition's
// layout document and the camber table. Values cross as plain JavaScript
// objects and strings; every text the page shows is made here or deeper.
#include "core/calc/calcdefinition.h"
#include "core/layout/entrynumbers.h"
#include "core/table/reporttext.h"
#include "jsvalues.h"
#include "webcalc.h"
#include "webdesign.h"
#include "webdocument.h"
#include "webtable.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <optional>

namespace tarvik::web {

namespace {

using emscripten::val;

val pairOf(const std::array<std::string, 2> &texts)
{
    return strings(texts);
}

// The texts the main window shows beside the picture and in the result
// boxes, with their right/left pairs.
val captionsOf(const WebDocument &doc)
{
    const Captions &c = doc.output().captions;
    val out = val::object();
    out.set("rollCenterHeight", c.rollCenterHeight);
    out.set("rollCenterSide", c.rollCenterSide);
    out.set("movedRollCenterHeight", c.movedRollCenterHeight);
    out.set("movedRollCenterSide", c.movedRollCenterSide);
    out.set("camberGain", pairOf(c.camberGain));
    out.set("gainBasis", c.gainBasis);
    out.set("status", c.status);
    out.set("kingPinAngle", pairOf(c.kingPinAngle));
    out.set("spindleAngle", pairOf(c.spindleAngle));
    out.set("scrubRadius", pairOf(c.scrubRadius));
    out.set("track", strings(c.track));
    out.set("springLength", pairOf(c.springLength));
    out.set("springAngle", pairOf(c.springAngle));
    out.set("wheelRate", pairOf(c.wheelRate));
    out.set("dynamicCamber", pairOf(c.dynamicCamber));
    out.set("springCompression", pairOf(c.springCompression));
    out.set("faults", strings(doc.output().faults));
    return out;
}

val editOf(WebDocument &doc, int entry, const std::string &typed)
{
    const EditReply reply = doc.edit(entry, typed);
    val out = val::object();
    out.set("outcome", reply.outcome);
    out.set("text", reply.text);
    out.set("message", reply.message);
    return out;
}

// Entries set as one step of the layout ([{entry, text}]), as the desktop
// applies an answer of Find Pick-up Points, then a redraw.
void applyEntriesOf(WebDocument &doc, const val &entries)
{
    CalcWriteBack writeBack;
    const int count = entries["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        const val e = entries[i];
        // A number that names no box is left out, as the record would refuse it.
        if (const std::optional<Entry> entry = Entry::numbered(e["entry"].as<int>())) {
            writeBack.entries.push_back({ *entry, e["text"].as<std::string>() });
        }
    }
    writeBack.redraw = true;
    doc.applyWriteBack(writeBack);
}

// File bytes cross as Uint8Array so that a comment's bytes stay as written.
val fileBytesOf(const WebDocument &doc)
{
    const std::string text = doc.fileText();
    val out = val::global("Uint8Array").new_(text.size());
    out.call<void>("set",
        val(emscripten::typed_memory_view(
            text.size(), reinterpret_cast<const unsigned char *>(text.data()))));
    return out;
}

std::string openBytesOf(WebDocument &doc, const val &bytes, const std::string &name)
{
    const auto data = emscripten::convertJSArrayToNumberVector<unsigned char>(bytes);
    return doc.openText(std::string(data.begin(), data.end()), name);
}

val spotsOf(const WebDocument &doc, int width, int height)
{
    val out = val::array();
    for (const PointSpot &s : doc.spots(width, height)) {
        val spot = val::object();
        spot.set("side", s.side);
        spot.set("row", s.row);
        spot.set("x", s.x);
        spot.set("y", s.y);
        spot.set("draggable", s.draggable);
        out.call<void>("push", spot);
    }
    return out;
}

val messageOf(const CalcMessage &m)
{
    val out = val::object();
    out.set("title", m.title);
    out.set("text", m.text);
    out.set("buttons", static_cast<int>(m.buttons)); // 0 Ok, 1 YesNo, 2 YesNoCancel
    return out;
}

val feedbackOf(const CalcFeedback &f)
{
    val messages = val::array();
    for (const CalcMessage &m : f.messages) {
        messages.call<void>("push", messageOf(m));
    }
    val out = val::object();
    out.set("messages", messages);
    out.set("keepFocus", f.keepFocus);
    return out;
}

val calcOpen(WebCalc &calc, int mode, int side)
{
    std::optional<CalcMessage> refusal;
    val out = feedbackOf(calc.open(mode, side, refusal));
    out.set("refusal", refusal ? messageOf(*refusal) : val::null());
    return out;
}

// Everything the calculation window shows, row by row.
val calcView(const WebCalc &calc)
{
    val out = val::object();
    if (!calc.isOpen()) {
        return val::null();
    }
    const CalcSession &s = calc.session();
    out.set("caption", s.caption());
    out.set("acceptCaption", s.acceptCaption());
    out.set("note", s.noteVisible() ? s.noteText() : std::string());
    out.set("frames", strings(std::array<std::string, 2> { s.frameCaption(1), s.frameCaption(2) }));
    val rows = val::array();
    for (int k = 1; k <= s.lastRow(); ++k) {
        const CalcInputRow &r = s.row(k);
        val row = val::object();
        row.set("k", k);
        row.set("isChoice", r.isChoice);
        row.set("caption", r.caption);
        row.set("items", strings(r.items));
        row.set("choiceIndex", r.choiceIndex);
        row.set("text", r.text);
        row.set("frame", r.frame);
        row.set("enabled", r.enabled);
        row.set("visible", r.visible);
        rows.call<void>("push", row);
    }
    out.set("rows", rows);
    val outputs = val::array();
    for (int j = 0; j < 3; ++j) {
        const CalcOutputRow &o = s.output(j);
        val row = val::object();
        row.set("name", o.name);
        row.set("value", o.value);
        row.set("visible", o.visible && o.enabled);
        outputs.call<void>("push", row);
    }
    out.set("outputs", outputs);
    out.set("acceptEnabled", s.acceptEnabled());
    out.set("isShim", calc.shim() != nullptr);
    const ShimTargetState t = calc.shim() ? calc.shim()->shimTarget() : ShimTargetState {};
    val target = val::object();
    target.set("on", t.on);
    target.set("text", t.text);
    target.set("camber", t.camber);
    target.set("residual", t.residual);
    target.set("note", t.note);
    out.set("target", target);
    return out;
}

val calcAccept(WebCalc &calc)
{
    const CalcAcceptResult r = calc.accept();
    val out = val::object();
    const char *names[] = { "stay", "ask", "close" };
    out.set("outcome", std::string(names[static_cast<int>(r.outcome)]));
    out.set("message", r.message ? messageOf(*r.message) : val::null());
    out.set("question", static_cast<int>(r.question));
    return out;
}

void calcAnswer(WebCalc &calc, int question, int answer)
{
    calc.answer(static_cast<CalcQuestion>(question), static_cast<CalcAnswer>(answer));
}

val calcLeaveBox(WebCalc &calc, int k, const std::string &text)
{
    return feedbackOf(calc.leaveBox(k, text));
}
val calcChoose(WebCalc &calc, int k, int index)
{
    return feedbackOf(calc.choose(k, index));
}
val calcTargetOn(WebCalc &calc, bool on)
{
    return feedbackOf(calc.setTargetOn(on));
}
val calcLeaveTarget(WebCalc &calc, const std::string &text)
{
    return feedbackOf(calc.leaveTarget(text));
}

} // namespace

EMSCRIPTEN_BINDINGS(tarvik)
{
    using namespace emscripten;
    class_<WebDocument>("Document")
        .constructor<std::string>()
        .function("openText", &WebDocument::openText)
        .function("openExample", &WebDocument::openExample)
        .function("newLayout", &WebDocument::newLayout)
        .function("fileBytes", &fileBytesOf)
        .function("openBytes", &openBytesOf)
        .function("applyEntries", &applyEntriesOf)
        .function("fileName", &WebDocument::fileName)
        .function("markSaved", &WebDocument::markSaved)
        .function("changed", &WebDocument::changed)
        .function("setChanged", &WebDocument::setChanged)
        .function("entry", &WebDocument::entry)
        .function("edit", &editOf)
        .function("help", &WebDocument::help)
        .function("description", &WebDocument::description)
        .function("rowCaption", &WebDocument::rowCaption)
        .function("isInput", &WebDocument::isInput)
        .function("otherSpecsResult", &WebDocument::otherSpecsResult)
        .function("suspensionType", &WebDocument::suspensionType)
        .function("setApplyDiveRoll", &WebDocument::setApplyDiveRoll)
        .function("applyDiveRoll", &WebDocument::applyDiveRoll)
        .function("shownEntry", &WebDocument::shownEntry)
        .function("setUnits", &WebDocument::setUnits)
        .function("metric", &WebDocument::metric)
        .function("lengthFactor", &WebDocument::lengthFactor)
        .function("undo", &WebDocument::undo)
        .function("redo", &WebDocument::redo)
        .function("canUndo", &WebDocument::canUndo)
        .function("canRedo", &WebDocument::canRedo)
        .function("svg", &WebDocument::svg)
        .function("setBigLayout", &WebDocument::setBigLayout)
        .function("captions", &captionsOf)
        .function("spots", &spotsOf)
        .function("beginDrag", &WebDocument::beginDrag)
        .function("dragTo", &WebDocument::dragTo)
        .function("endDrag", &WebDocument::endDrag);
    function("pointEntry", &pointEntry);
    function("otherSpecsEntry", &otherSpecsEntry);
    constant("diveEntry", Entry::dive().number());
    constant("rollEntry", Entry::roll().number());
    constant("pointRows", kPointRows);
    constant("otherSpecsRows", kOtherSpecsRows);
    class_<WebCalc>("Calculator")
        .constructor<WebDocument &>()
        .function("open", &calcOpen)
        .function("view", &calcView)
        .function("leaveBox", &calcLeaveBox)
        .function("choose", &calcChoose)
        .function("setTargetOn", &calcTargetOn)
        .function("leaveTarget", &calcLeaveTarget)
        .function("accept", &calcAccept)
        .function("answer", &calcAnswer)
        .function("close", &WebCalc::close);
    class_<WebDesign>("PickupSearch")
        .constructor<WebDocument &>()
        .function("view", &WebDesign::view)
        .function("setTarget", &WebDesign::setTarget)
        .function("setCoordinate", &WebDesign::setCoordinate)
        .function("setSymmetric", &WebDesign::setSymmetric)
        .function("setPreferSmallChange", &WebDesign::setPreferSmallChange)
        .function("run", &WebDesign::run);
    constant("shimMode", static_cast<int>(CalcMode::Shim));
    constant("reportCommentPrompt", std::string(kReportCommentPrompt));
    constant("springMode", static_cast<int>(CalcMode::Spring));
    class_<WebTable>("CamberTable")
        .constructor<WebDocument &>()
        .function("fill", &WebTable::fill)
        .function("showQuantity", &WebTable::showQuantity)
        .function("quantities", &WebTable::quantities)
        .function("quantity", &WebTable::quantity)
        .function("graph", &WebTable::graph)
        .function("report", &WebTable::report)
        .function("saveBaseline", &WebTable::saveBaseline)
        .function("showBaseline", &WebTable::showBaseline)
        .function("csv", &WebTable::csv)
        .function("baselineText", &WebTable::baselineText)
        .function("takeBaselineText", &WebTable::takeBaselineText);
}

} // namespace tarvik::web
