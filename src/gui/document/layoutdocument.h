// The layout document: the one owner of the current layout. It holds the
// core layout state (the spec record with its 56 entry texts, suspension
// type, units, comment, current file, changed flag, the dive-and-roll
// switch and the last edited entry) and is the only way to change it: one
// accepted edit, several entries as one change, the type, the comment, the
// switch, a new layout, a file opened or saved. Every change comes out as
// one signal (layoutChanged) and every solve's engine output as another
// (solved); the input grid, the dive-and-roll panel and the front view are
// views that refill from it. Nothing here knows a widget.
//
// The rules it keeps: an accepted edit marks the layout changed only when the
// text really changed; commands and write-backs from other windows mark it
// changed; texts the solve writes back (derived arm ends, arm dimensions, a
// following static camber) do not; a file read or written clears it. Every
// change ends in the redraw request: a solve with the current settings. The
// camber-follows flag is taken from the camber option when a box is entered
// and kept only by the redraw that follows an accepted edit.
//
// Undo sits on the document: every change of the layout that a file would
// store is one step of its QUndoStack (an accepted edit, an edit command, a
// write-back of another window, the type, the comment), holding the texts it
// changed, including what the solve wrote back in its wake. Undo and redo put
// them back and redraw; the changed flag then says whether the layout differs
// from the file last read or written. New and Open clear the stack.
//
// While the layout has unsaved changes the document keeps a crash-recovery
// copy of it (RecoveryWriter); a layout recovered from one counts as changed
// and belongs to the file it was copied from.
#pragma once

#include "core/geometry/engine.h"
#include "core/geometry/engineinputbuilder.h"
#include "core/layout/layoutkinds.h"
#include "core/layout/layoutstate.h"
#include "core/layout/recoveryfile.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUndoStack>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace tarvik::gui {

class RecoveryWriter;
class SettingsOwner;

// What one change touched, for the views to refresh.
struct LayoutChange
{
    QList<Entry> entries; // whose text changed
    bool everything = false; // a new layout or a file read: all of it
    bool fromSolve = false; // texts the solve wrote back, not the user's
    bool suspensionType = false;
    bool comment = false;
    bool file = false; // current file (and so the caption)
    bool changedFlag = false;
    bool diveRoll = false; // the dive-and-roll switch
    bool units = false; // the layout's units (and so its definitions)
};

// Entry texts to set as one change.
using EntryEdits = std::vector<std::pair<Entry, QString>>;

class LayoutDocument : public QObject
{
    Q_OBJECT
public:
    LayoutDocument(
        SettingsOwner &settings, const QString &vehicleFolder, QObject *parent = nullptr);
    ~LayoutDocument() override;

    const LayoutState &state() const { return m_state; }
    QString entry(Entry entry) const;
    bool isChanged() const { return m_state.changed; }
    QString currentFile() const;
    bool isUntitled() const;
    QString fileTitle() const;
    // The main window's caption, with Qt's "[*]" after the file title: the
    // window shows "*" there while the changed flag is set.
    QString caption() const;
    const EngineOutput &output() const { return m_output; }

    // A box's edit that passed validation, with its normalised text.
    void acceptEdit(Entry entry, const QString &text);
    // Entries set as one change that marks the layout changed (edit
    // commands, spin buttons, values written back by other windows).
    // camberFollows lets the static camber follow the king-pin change in the
    // redraw, as after an accepted edit.
    // what names the step in the Edit menu ("Undo " + what).
    void setEntries(
        const EntryEdits &texts, bool camberFollows = false, const QString &what = QString());
    // A gesture (a drag of a point in the front view): entries set live
    // between begin and end redraw as they come and make one step named
    // what; cancel puts the layout back as it was at the begin. The camber
    // follows the king-pin change as after a typed edit.
    void beginGesture(const QString &what);
    void gestureEntries(const EntryEdits &texts);
    void endGesture();
    void cancelGesture();
    bool inGesture() const { return m_gesture.has_value(); }
    void setSuspensionType(SuspensionType type);
    void setComment(const QString &comment);
    void setApplyDiveRoll(bool applied);
    // The layout converted to millimetres and N/mm (or back to inches), as
    // one step; the settings' dive values follow.
    void setUnits(Units units);
    void setChanged(bool changed);
    void newLayout();
    // Reads a vehicle file; a refused file changes nothing and gives the
    // message to show. Writes go through a temporary file; a failed write
    // (or a read-only file refused) keeps the file, title and changed flag as
    // they were.
    bool open(const QString &path, QString &message);
    WriteResult save(const QString &path);
    // A layout from a crash-recovery copy: changed, and belonging to its file.
    void recover(const RecoveryData &copy);

    // Keeps a crash-recovery copy in folder from now on; discard removes it
    // when the user leaves on purpose.
    void keepRecoveryCopy(const QString &folder);
    RecoveryWriter *recoveryCopy() const { return m_recovery.get(); }
    void discardRecoveryCopy();

    // A box was entered: the redraw after its accepted edit may let camber
    // follow, as the camber option says.
    void boxEntered();
    // The redraw request: solve and show. keepCamberFollows only after an
    // accepted edit; every other redraw clears the flag first.
    void redraw(bool keepCamberFollows = false);
    // Drawing options of the views that shape the solve's scene.
    void setBigLayout(bool big);
    void setAfterPrinting();

    QUndoStack &undoStack() { return m_undo; }

signals:
    void layoutChanged(const tarvik::gui::LayoutChange &change);
    void solved(const tarvik::EngineOutput &output);

private:
    friend class LayoutStep;
    // What a step compares with: every slot, the type and the comment.
    struct Snapshot
    {
        SpecRecord record;
        SuspensionType suspensionType = SuspensionType::DoubleAArm;
        std::string comment;
        Units units = Units::English;
    };

    // Every change of the layout passes here: the entries set, the flags
    // named in change announced, then the redraw; a step is recorded when
    // what names it and the layout now differs.
    void commit(const EntryEdits &texts, LayoutChange change, bool markChanged,
        bool keepCamberFollows, const QString &what = QString());
    // Puts the solve's write-backs into the record; gives the entries changed.
    QList<Entry> applyWriteBacks();
    Snapshot snapshot() const;
    void record(const Snapshot &before, const QString &what);
    // Puts back one side of a step: the slot texts, type, comment and units.
    void replay(const std::vector<std::pair<int, std::string>> &texts,
        SuspensionType suspensionType, const std::string &comment, Units units);
    void resetHistory();
    // The layout of a file read or a copy recovered, as one change.
    void takeLayout(const VehicleData &layout, const std::string &file, bool changed);

    SettingsOwner &m_settings;
    QString m_vehicleFolder;
    LayoutState m_state;
    bool m_camberFollowsEdit = false;
    SolveOptions m_view;
    EngineOutput m_output;
    QUndoStack m_undo;
    bool m_replaying = false;
    struct Gesture
    {
        Snapshot before;
        bool changed = false;
        QString what;
    };
    std::optional<Gesture> m_gesture;
    std::unique_ptr<RecoveryWriter> m_recovery;
};

} // namespace tarvik::gui
