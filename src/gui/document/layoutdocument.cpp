// The layout document; see layoutdocument.h.
#include "gui/document/layoutdocument.h"

#include "core/layout/entrynumbers.h"
#include "core/layout/units.h"
#include "core/layout/vehiclefile.h"
#include "core/text/entrytext.h"
#include "gui/document/recoverywriter.h"
#include "gui/document/settingsowner.h"

#include <QFileInfo>
#include <algorithm>
#include <utility>

namespace tarvik::gui {

namespace {

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

// One undoable change: the slots it changed (before and after), and the type
// and comment. It is pushed once the change is done, so its first redo does
// nothing.
class LayoutStep : public QUndoCommand
{
public:
    using Texts = std::vector<std::pair<int, std::string>>;

    LayoutStep(LayoutDocument &document, const QString &text, Texts before, Texts after,
        std::pair<SuspensionType, SuspensionType> type, std::pair<std::string, std::string> comment,
        std::pair<Units, Units> units)
        : QUndoCommand(text)
        , m_document(document)
        , m_before(std::move(before))
        , m_after(std::move(after))
        , m_type(type)
        , m_comment(std::move(comment))
        , m_units(units)
    {
    }

    void undo() override
    {
        m_document.replay(m_before, m_type.first, m_comment.first, m_units.first);
    }
    void redo() override
    {
        if (m_done) {
            m_document.replay(m_after, m_type.second, m_comment.second, m_units.second);
        }
        m_done = true;
    }

private:
    LayoutDocument &m_document;
    Texts m_before;
    Texts m_after;
    std::pair<SuspensionType, SuspensionType> m_type;
    std::pair<std::string, std::string> m_comment;
    std::pair<Units, Units> m_units;
    bool m_done = false;
};

LayoutDocument::LayoutDocument(
    SettingsOwner &settings, const QString &vehicleFolder, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_vehicleFolder(vehicleFolder)
{
    m_state.units = settings.get().units;
    // After an undo or redo the flag says whether the layout differs from
    // the file last read or written.
    connect(&m_undo, &QUndoStack::indexChanged, this, [this] { setChanged(!m_undo.isClean()); });
}

LayoutDocument::~LayoutDocument() = default;

QString LayoutDocument::entry(Entry entry) const
{
    return qs(m_state.record.get(entry));
}

QString LayoutDocument::currentFile() const
{
    return qs(m_state.currentFile);
}

bool LayoutDocument::isUntitled() const
{
    return m_state.currentFile == kUntitled;
}

QString LayoutDocument::fileTitle() const
{
    return qs(tarvik::fileTitle(m_state.currentFile, m_vehicleFolder.toStdString()));
}

QString LayoutDocument::caption() const
{
    return qs(mainWindowCaption(fileTitle().toStdString(), "[*]"));
}

void LayoutDocument::acceptEdit(Entry entry, const QString &text)
{
    m_state.lastEditedEntry = entry;
    // Passing through a box, or the focus coming back after a refused value,
    // leaves the layout as it was: only a new number is a change, not the
    // box's own form of the one it had ("15." left as "15").
    const std::string &old = m_state.record.get(entry);
    const std::string typed = text.toStdString();
    const bool differs = old != typed && normaliseEntryText(old, false).text != typed;
    commit({ { entry, text } }, {}, differs, true,
        differs ? qs(entryDescription(entry, m_state.suspensionType)) : QString());
}

void LayoutDocument::setEntries(const EntryEdits &texts, bool camberFollows, const QString &what)
{
    if (camberFollows) {
        m_camberFollowsEdit = true;
    }
    commit(texts, {}, true, camberFollows, what.isEmpty() ? tr("Change of the Layout") : what);
}

void LayoutDocument::beginGesture(const QString &what)
{
    endGesture();
    m_gesture = Gesture { snapshot(), isChanged(), what };
    boxEntered();
}

void LayoutDocument::gestureEntries(const EntryEdits &texts)
{
    if (!m_gesture) {
        return;
    }
    const bool differs = std::any_of(texts.begin(), texts.end(),
        [this](const auto &t) { return m_state.record.get(t.first) != t.second.toStdString(); });
    if (differs) {
        commit(texts, {}, true, true);
    }
}

void LayoutDocument::endGesture()
{
    if (std::optional<Gesture> gesture = std::exchange(m_gesture, std::nullopt)) {
        record(gesture->before, gesture->what);
    }
}

void LayoutDocument::cancelGesture()
{
    const std::optional<Gesture> gesture = std::exchange(m_gesture, std::nullopt);
    if (!gesture) {
        return;
    }
    EntryEdits texts;
    for (const Entry entry : Entry::every()) {
        if (gesture->before.record.get(entry) != m_state.record.get(entry)) {
            texts.emplace_back(entry, qs(gesture->before.record.get(entry)));
        }
    }
    if (!texts.empty()) {
        commit(texts, {}, false, false);
    }
    setChanged(gesture->changed);
}

void LayoutDocument::setSuspensionType(SuspensionType type)
{
    const Snapshot before = snapshot();
    LayoutChange change;
    change.suspensionType = type != m_state.suspensionType;
    m_state.suspensionType = type;
    // The type is stored in the vehicle file.
    commit({}, change, change.suspensionType, false);
    record(before, tr("Suspension Type"));
}

void LayoutDocument::setComment(const QString &comment)
{
    if (comment.toStdString() == m_state.comment) {
        return;
    }
    const Snapshot before = snapshot();
    m_state.comment = comment.toStdString();
    record(before, tr("Comment"));
    LayoutChange change;
    change.comment = true;
    change.changedFlag = !isChanged();
    m_state.changed = true; // the comment is what a save would store
    emit layoutChanged(change);
}

void LayoutDocument::setApplyDiveRoll(bool applied)
{
    m_state.applyDiveRoll = applied;
    LayoutChange change;
    change.diveRoll = true;
    commit({}, change, false, false);
}

void LayoutDocument::setUnits(Units units)
{
    if (m_state.units == units) {
        return;
    }
    const Snapshot before = snapshot();
    const bool metric = units == Units::Metric;
    m_state.record = convertRecord(m_state.record, metric);
    m_state.units = units;
    m_settings.change([units](Settings &s) { convertSettingsUnits(s, units); });
    LayoutChange change;
    change.everything = true;
    change.units = true;
    commit({}, change, true, false);
    record(before, metric ? tr("Metric Units") : tr("English Units"));
}

void LayoutDocument::setChanged(bool changed)
{
    if (isChanged() == changed) {
        return;
    }
    m_state.changed = changed;
    LayoutChange change;
    change.changedFlag = true;
    emit layoutChanged(change);
}

void LayoutDocument::newLayout()
{
    const bool applied = m_state.applyDiveRoll;
    m_state.clearForNew();
    m_state.applyDiveRoll = applied;
    resetHistory();
    LayoutChange change;
    change.everything = true;
    change.file = change.comment = change.changedFlag = true;
    commit({}, change, false, false);
}

bool LayoutDocument::open(const QString &path, QString &message)
{
    const VehicleReadResult result = readVehicleFile(path.toStdString());
    if (!result.ok) {
        message = qs(result.message);
        return false;
    }
    takeLayout(result.data, QFileInfo(path).absoluteFilePath().toStdString(), false);
    return true;
}

void LayoutDocument::recover(const RecoveryData &copy)
{
    takeLayout(copy.layout, copy.file, true);
}

void LayoutDocument::takeLayout(const VehicleData &layout, const std::string &file, bool changed)
{
    m_state.takeVehicle(layout, file);
    // One units setting for the program: a file in other units brings it along.
    if ((m_settings.get().units == Units::Metric) != (m_state.units == Units::Metric)) {
        m_settings.change([this](Settings &s) { convertSettingsUnits(s, m_state.units); });
    }
    resetHistory();
    if (changed) {
        // No step leads back to what the file holds: undo never clears the flag.
        m_undo.resetClean();
        m_state.changed = true;
    }
    LayoutChange change;
    change.everything = true;
    change.suspensionType = change.comment = change.file = change.changedFlag = true;
    commit({}, change, false, false);
}

WriteResult LayoutDocument::save(const QString &path)
{
    const WriteResult result = writeVehicleFile(path.toStdString(), m_state.vehicleData());
    if (!result.ok) {
        return result;
    }
    m_state.currentFile = QFileInfo(path).absoluteFilePath().toStdString();
    m_state.changed = false;
    m_undo.setClean();
    LayoutChange change;
    change.file = change.changedFlag = true;
    emit layoutChanged(change);
    return result;
}

void LayoutDocument::keepRecoveryCopy(const QString &folder)
{
    m_recovery = std::make_unique<RecoveryWriter>(*this, folder);
}

void LayoutDocument::discardRecoveryCopy()
{
    if (m_recovery) {
        m_recovery->discard();
    }
}

void LayoutDocument::boxEntered()
{
    m_camberFollowsEdit = m_settings.get().camberFollowsEdits;
}

void LayoutDocument::setBigLayout(bool big)
{
    m_view.bigLayout = big;
}

void LayoutDocument::setAfterPrinting()
{
    m_view.afterPrinting = true;
}

void LayoutDocument::commit(const EntryEdits &texts, LayoutChange change, bool markChanged,
    bool keepCamberFollows, const QString &what)
{
    const Snapshot before = snapshot();
    for (const auto &[entry, text] : texts) {
        if (m_state.record.set(entry, text.toStdString())) {
            change.entries.append(entry);
        }
    }
    if (markChanged && !isChanged()) {
        m_state.changed = true;
        change.changedFlag = true;
    }
    emit layoutChanged(change);
    redraw(keepCamberFollows);
    if (!what.isEmpty()) {
        record(before, what);
    }
}

LayoutDocument::Snapshot LayoutDocument::snapshot() const
{
    return { m_state.record, m_state.suspensionType, m_state.comment, m_state.units };
}

void LayoutDocument::record(const Snapshot &before, const QString &what)
{
    if (m_replaying) {
        return;
    }
    LayoutStep::Texts old;
    LayoutStep::Texts now;
    for (int slot = 0; slot < kSpecSlots; ++slot) {
        if (before.record.get(slot) != m_state.record.get(slot)) {
            old.emplace_back(slot, before.record.get(slot));
            now.emplace_back(slot, m_state.record.get(slot));
        }
    }
    if (old.empty() && before.suspensionType == m_state.suspensionType
        && before.comment == m_state.comment && before.units == m_state.units) {
        return;
    }
    m_undo.push(new LayoutStep(*this, what, std::move(old), std::move(now),
        { before.suspensionType, m_state.suspensionType }, { before.comment, m_state.comment },
        { before.units, m_state.units }));
}

void LayoutDocument::replay(const std::vector<std::pair<int, std::string>> &texts,
    SuspensionType suspensionType, const std::string &comment, Units units)
{
    m_replaying = true;
    LayoutChange change;
    if (units != m_state.units) {
        m_state.units = units;
        m_settings.change([units](Settings &s) { convertSettingsUnits(s, units); });
        change.units = change.everything = true;
    }
    for (const auto &[slot, text] : texts) {
        m_state.record.set(slot, text);
        if (const std::optional<Entry> entry = Entry::numbered(slot)) {
            change.entries.append(*entry);
        }
    }
    change.suspensionType = suspensionType != m_state.suspensionType;
    change.comment = comment != m_state.comment;
    m_state.suspensionType = suspensionType;
    m_state.comment = comment;
    emit layoutChanged(change);
    redraw(false);
    m_replaying = false;
}

void LayoutDocument::resetHistory()
{
    m_gesture.reset();
    m_undo.clear();
    m_undo.setClean();
}

void LayoutDocument::redraw(bool keepCamberFollows)
{
    if (!keepCamberFollows) {
        m_camberFollowsEdit = false;
    }
    // A strut always works with X and Height entry: solving one puts the
    // entry mode back, as the mode the user then finds in the Options menu.
    if (m_state.suspensionType == SuspensionType::Strut
        && m_settings.get().entryMode != EntryMode::XAndHeight) {
        m_settings.change([](Settings &s) { s.entryMode = EntryMode::XAndHeight; });
    }
    m_view.camberFollowsEdit = m_camberFollowsEdit;
    m_view.previousKingPinCaptions = m_output.captions.kingPinAngle;
    m_output = runEngine(buildEngineInput(m_state, m_settings.get(), m_view));
    const QList<Entry> written = applyWriteBacks();
    // A static camber that followed the king-pin axis is a new input: the
    // solve that wrote it showed its spindle angles, dynamic camber and
    // tyres on the camber as it was. Solve once more, without following,
    // so that every result shown is that of the boxes as they now stand.
    // The other write-backs (derived arm ends and dimensions) are results
    // the solve does not read back, so they need no second solve.
    if (written.contains(Entry::otherSpec(kSideRight, kStaticCamberRow))
        || written.contains(Entry::otherSpec(kSideLeft, kStaticCamberRow))) {
        m_view.camberFollowsEdit = false;
        m_view.previousKingPinCaptions = m_output.captions.kingPinAngle;
        m_output = runEngine(buildEngineInput(m_state, m_settings.get(), m_view));
        applyWriteBacks();
    }
    emit solved(m_output);
}

QList<Entry> LayoutDocument::applyWriteBacks()
{
    LayoutChange change;
    change.fromSolve = true;
    for (const BoxWriteBack &writeBack : m_output.writeBacks) {
        if (m_state.record.get(writeBack.entry) != writeBack.text
            && m_state.record.set(writeBack.entry, writeBack.text)) {
            change.entries.append(writeBack.entry);
        }
    }
    if (!change.entries.isEmpty()) {
        emit layoutChanged(change);
    }
    return change.entries;
}

} // namespace tarvik::gui
