// The browser edition's layout document (see webdocument.h).
#include "webdocument.h"

#include "core/geometry/frontviewscene.h"
#include "core/layout/entrynumbers.h"
#include "core/layout/entryvalidation.h"
#include "core/layout/pointdrag.h"
#include "core/layout/units.h"
#include "core/table/tablespec.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tarvik::web {

namespace {

const LayoutPoint &rowPoint(const SideSolution &s, int row)
{
    switch (row) {
    case kUpperBallJoint:
        return s.upperBallJoint;
    case kUpperFramePivot:
        return s.upperFramePivot;
    case kLowerBallJoint:
        return s.lowerBallJoint;
    case kLowerFramePivot:
        return s.lowerFramePivot;
    case kUpperSpringPad:
        return s.upperSpringPad;
    default:
        return s.lowerSpringPad;
    }
}

} // namespace

WebDocument::WebDocument(std::string dataDir)
    : m_dataDir(std::move(dataDir))
{
    m_settings.tableSpec = standardTableSpec();
    loadDefinitions();
    m_saved = snapshot();
    redraw(false);
}

void WebDocument::loadDefinitions()
{
    const auto file = findDefinitionsFile(m_dataDir, m_state.units);
    m_definitions = file.empty() ? FieldDefinitions {} : tarvik::loadDefinitions(file, false);
}

std::string WebDocument::openText(const std::string &text, const std::string &name)
{
    const VehicleReadResult read = parseVehicleText(text);
    if (!read.ok) {
        return read.message;
    }
    m_state.takeVehicle(read.data, name);
    takeUnits(m_state.units);
    m_undo.clear();
    m_redo.clear();
    m_saved = snapshot();
    redraw(false);
    return {};
}

std::string WebDocument::openExample(const std::string &fileName)
{
    std::ifstream in(std::filesystem::path(m_dataDir) / "tkfiles" / fileName, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return openText(text.str(), fileName);
}

void WebDocument::newLayout()
{
    m_state.clearForNew();
    m_undo.clear();
    m_redo.clear();
    m_saved = snapshot();
    redraw(false);
}

std::string WebDocument::fileText() const
{
    return vehicleFileText(m_state.vehicleData());
}

void WebDocument::markSaved(const std::string &name)
{
    m_state.currentFile = name;
    m_state.changed = false;
    m_saved = snapshot();
}

EditReply WebDocument::edit(int entry, const std::string &typed)
{
    const EntryValidation check = validateEntry(entry, typed, m_definitions);
    switch (check.outcome) {
    case EntryValidation::Outcome::Skip:
        return { "skip", m_state.record.get(entry), {} };
    case EntryValidation::Outcome::Refuse:
        return { "refuse", m_state.record.get(entry), check.message };
    case EntryValidation::Outcome::Accept:
        break;
    }
    const Snapshot before = snapshot();
    if (m_state.record.set(entry, check.text)) {
        m_state.changed = true;
        m_state.lastEditedEntry = Entry::numbered(entry);
    }
    redraw(m_settings.camberFollowsEdits);
    record(before);
    return { "accept", m_state.record.get(entry), {} };
}

void WebDocument::applyWriteBack(const CalcWriteBack &writeBack)
{
    const Snapshot before = snapshot();
    for (const CalcEntryWrite &w : writeBack.entries) {
        if (m_state.record.set(w.entry, w.text)) {
            m_state.changed = true;
        }
    }
    if (writeBack.gainDefinition) {
        m_settings.GainSpecChoice = writeBack.gainDefinition->GainSpecChoice;
        m_settings.GainDiveText = writeBack.gainDefinition->GainDiveText;
        m_settings.GainRollText = writeBack.gainDefinition->GainRollText;
    }
    if (writeBack.tableSpec) {
        m_settings.tableSpec = *writeBack.tableSpec;
    }
    if (writeBack.redraw || !writeBack.entries.empty()) {
        redraw(writeBack.camberFollowsEdit);
    }
    record(before);
}

std::string WebDocument::shownEntry(int entry) const
{
    return shownEntryText(m_state.record.get(entry), entry, m_state.units);
}

void WebDocument::setUnits(bool metric)
{
    if (metric == (m_state.units == Units::Metric)) {
        return;
    }
    const Snapshot before = snapshot();
    m_state.record = convertRecord(m_state.record, metric);
    m_state.changed = true;
    takeUnits(metric ? Units::Metric : Units::English);
    redraw(false);
    record(before);
}

double WebDocument::lengthFactor() const
{
    return unitFactor(Quantity::Length, m_state.units);
}

// The settings and the definitions follow the layout's units.
void WebDocument::takeUnits(Units units)
{
    m_state.units = units;
    if (m_settings.units != units) {
        convertSettingsUnits(m_settings, units);
    }
    loadDefinitions();
}

std::string WebDocument::help(int entry) const
{
    return m_definitions.at(entry).definition;
}

std::string WebDocument::description(int entry) const
{
    return entryDescription(entry, m_state.suspensionType);
}

std::string WebDocument::rowCaption(int row) const
{
    return row < kPointRows ? pointRowCaption(row, m_state.suspensionType)
                            : otherSpecsCaption(row - kPointRows);
}

bool WebDocument::isInput(int entry) const
{
    return isInputEntry(entry);
}

std::string WebDocument::otherSpecsResult(int side, int row) const
{
    const Captions &c = m_output.captions;
    const int s = side == kSideLeft ? 1 : 0;
    switch (row) {
    case kSpringLengthRow:
        return c.springLength[s];
    case kSpringCompressionRow:
        return c.springCompression[s];
    case kSpringAngleRow:
        return c.springAngle[s];
    case kWheelRateRow:
        return c.wheelRate[s];
    case kScrubRadiusRow:
        return c.scrubRadius[s];
    case kDynamicCamberRow:
        return c.dynamicCamber[s];
    default:
        return {};
    }
}

void WebDocument::setApplyDiveRoll(bool applied)
{
    m_state.applyDiveRoll = applied;
    redraw(false);
}

WebDocument::Snapshot WebDocument::snapshot() const
{
    return { m_state.record, m_state.suspensionType, m_state.units, m_state.comment };
}

void WebDocument::restore(const Snapshot &s)
{
    m_state.record = s.record;
    m_state.suspensionType = s.suspensionType;
    m_state.comment = s.comment;
    if (s.units != m_state.units) {
        takeUnits(s.units);
    }
    m_state.changed = s != m_saved;
    redraw(false);
}

void WebDocument::record(const Snapshot &before)
{
    if (m_dragging || before == snapshot()) {
        return;
    }
    m_undo.push_back(before);
    m_redo.clear();
}

bool WebDocument::undo()
{
    if (m_undo.empty()) {
        return false;
    }
    m_redo.push_back(snapshot());
    const Snapshot back = m_undo.back();
    m_undo.pop_back();
    restore(back);
    return true;
}

bool WebDocument::redo()
{
    if (m_redo.empty()) {
        return false;
    }
    m_undo.push_back(snapshot());
    const Snapshot next = m_redo.back();
    m_redo.pop_back();
    restore(next);
    return true;
}

void WebDocument::redraw(bool camberFollows)
{
    // A strut solves with X and Height entry, as on the desktop.
    if (m_state.suspensionType == SuspensionType::Strut) {
        m_settings.entryMode = EntryMode::XAndHeight;
    }
    m_view.camberFollowsEdit = camberFollows;
    m_view.previousKingPinCaptions = m_output.captions.kingPinAngle;
    m_output = runEngine(buildEngineInput(m_state, m_settings, m_view));
    const std::vector<Entry> written = applyWriteBacks();
    // A static camber that followed the king-pin is a new input: solve once
    // more so that every result shown is that of the boxes as they stand.
    const auto wrote
        = [&](Entry e) { return std::find(written.begin(), written.end(), e) != written.end(); };
    if (wrote(Entry::otherSpec(kSideRight, kStaticCamberRow))
        || wrote(Entry::otherSpec(kSideLeft, kStaticCamberRow))) {
        m_view.camberFollowsEdit = false;
        m_view.previousKingPinCaptions = m_output.captions.kingPinAngle;
        m_output = runEngine(buildEngineInput(m_state, m_settings, m_view));
        applyWriteBacks();
    }
}

std::vector<Entry> WebDocument::applyWriteBacks()
{
    std::vector<Entry> written;
    for (const BoxWriteBack &w : m_output.writeBacks) {
        if (m_state.record.get(w.entry) != w.text && m_state.record.set(w.entry, w.text)) {
            written.push_back(w.entry);
        }
    }
    return written;
}

std::string WebDocument::svg(int width, int height) const
{
    SvgOptions options;
    options.width = width;
    options.height = height;
    return sceneSvg(m_output.scene, m_output.captions, options);
}

void WebDocument::setBigLayout(bool big)
{
    m_view.bigLayout = big;
    redraw(false);
}

std::vector<PointSpot> WebDocument::spots(int width, int height) const
{
    SvgOptions options;
    options.width = width;
    options.height = height;
    const ScenePlacement placed = sceneSvgPlacement(m_output.scene, options);
    const double toPicture = kDrawingFactor / unitFactor(Quantity::Length, m_state.units);
    std::vector<PointSpot> out;
    for (int side = 0; side < 2; ++side) {
        for (int row = kUpperBallJoint; row <= kLowerSpringPad; ++row) {
            const LayoutPoint &p = rowPoint(m_output.staticPass.side[side], row);
            out.push_back(
                { side, row, placed.deviceX(p.x * toPicture), placed.deviceY(p.y * toPicture),
                    canDragPoint(row, m_settings.entryMode, m_state.suspensionType) });
        }
    }
    return out;
}

void WebDocument::beginDrag()
{
    m_dragging = true;
    m_dragStart = snapshot();
}

std::string WebDocument::dragTo(int side, int row, double x, double y, int width, int height)
{
    SvgOptions options;
    options.width = width;
    options.height = height;
    const ScenePlacement placed = sceneSvgPlacement(m_output.scene, options);
    if (placed.scale <= 0) {
        return {};
    }
    const double toLayout = unitFactor(Quantity::Length, m_state.units) / kDrawingFactor;
    const double pictureX = (x - placed.originX) / placed.scale;
    const double pictureY = (placed.originY - y) / placed.scale;
    const DragOutcome outcome = dragPoint(
        side, row, pictureX * toLayout, pictureY * toLayout, m_state.units, m_definitions);
    if (!outcome.point) {
        return outcome.message;
    }
    const bool a = m_state.record.set(outcome.point->xEntry, outcome.point->xText);
    const bool b = m_state.record.set(outcome.point->heightEntry, outcome.point->heightText);
    if (a || b) {
        m_state.changed = true;
    }
    redraw(m_settings.camberFollowsEdits);
    return {};
}

void WebDocument::endDrag()
{
    m_dragging = false;
    record(m_dragStart);
}

} // namespace tarvik::web
