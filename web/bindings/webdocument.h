// The browser edition's layout document: the one owner of the page's
// current layout, as the desktop's document is of its window's. It keeps the
// core's layout state, the settings the solve reads and the field
// definitions, passes every typed value through the core's entry check,
// solves after every change with the core's engine (write-backs applied as
// the desktop applies them), and keeps undo and redo as whole-layout steps.
// Everything the page shows comes from here; the page holds no rule.
#pragma once

#include "core/calc/calcsession.h"
#include "core/geometry/engine.h"
#include "core/geometry/engineinputbuilder.h"
#include "core/geometry/scenesvg.h"
#include "core/layout/fieldinfo.h"
#include "core/layout/layoutkinds.h"
#include "core/layout/layoutstate.h"
#include "core/layout/settings.h"

#include <string>
#include <vector>

namespace tarvik::web {

struct EditReply
{
    std::string outcome; // "skip", "accept" or "refuse"
    std::string text; // the box's text now
    std::string message; // the warning to show when refused
};

struct PointSpot
{
    int side = 0;
    int row = 0;
    double x = 0; // picture pixels
    double y = 0;
    bool draggable = false;
};

class WebDocument
{
public:
    explicit WebDocument(std::string dataDir);

    // Files: "" when read, else the message to show (nothing changes then).
    std::string openText(const std::string &text, const std::string &name);
    std::string openExample(const std::string &fileName);
    void newLayout();
    std::string fileText() const; // what Save writes, byte for byte
    std::string fileName() const { return m_state.currentFile; }
    void markSaved(const std::string &name);
    bool changed() const { return m_state.changed; }
    void setChanged(bool changed) { m_state.changed = changed; }

    // Boxes.
    std::string entry(int entry) const { return m_state.record.get(entry); }
    // What the entry's box shows (a converted metric length with two decimals).
    std::string shownEntry(int entry) const;
    EditReply edit(int entry, const std::string &typed);
    std::string help(int entry) const;
    std::string description(int entry) const;
    std::string rowCaption(int row) const;
    bool isInput(int entry) const;
    // What a result row of Other Specs shows for a side ("" on input rows).
    std::string otherSpecsResult(int side, int row) const;
    // 0 double A arm, 1 strut, as the page expects.
    int suspensionType() const { return m_state.suspensionType == SuspensionType::Strut ? 1 : 0; }
    void setApplyDiveRoll(bool applied);
    bool applyDiveRoll() const { return m_state.applyDiveRoll; }
    // Options, Metric Units: the layout and the settings' dive ranges are
    // converted, the units' definitions loaded; one step of the history.
    void setUnits(bool metric);
    bool metric() const { return m_state.units == Units::Metric; }
    // Layout length units per inch (25.4 on a metric layout): the dive slider's scale.
    double lengthFactor() const;

    // History.
    bool undo();
    bool redo();
    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }

    // The solve's results.
    const EngineOutput &output() const { return m_output; }
    std::string svg(int width, int height) const;
    void setBigLayout(bool big);
    std::vector<PointSpot> spots(int width, int height) const;
    // A drag of a point: "" when the boxes took the position, else why not.
    void beginDrag();
    std::string dragTo(int side, int row, double x, double y, int width, int height);
    void endDrag();

    // What an accepted calculation window hands back: its entries as one
    // step, the settings it changes, and the redraw it asks for.
    void applyWriteBack(const CalcWriteBack &writeBack);

    const LayoutState &state() const { return m_state; }
    const Settings &settings() const { return m_settings; }
    const FieldDefinitions &definitions() const { return m_definitions; }
    const std::string &dataDir() const { return m_dataDir; }

private:
    struct Snapshot
    {
        SpecRecord record;
        SuspensionType suspensionType = SuspensionType::DoubleAArm;
        Units units = Units::English;
        std::string comment;
        bool operator==(const Snapshot &other) const
        {
            return record.allSlots() == other.record.allSlots()
                && suspensionType == other.suspensionType && units == other.units
                && comment == other.comment;
        }
    };
    Snapshot snapshot() const;
    void restore(const Snapshot &s);
    void record(const Snapshot &before);
    void redraw(bool camberFollows);
    std::vector<Entry> applyWriteBacks();
    void loadDefinitions();
    void takeUnits(Units units);

    std::string m_dataDir;
    LayoutState m_state;
    Settings m_settings;
    FieldDefinitions m_definitions;
    SolveOptions m_view;
    EngineOutput m_output;
    std::vector<Snapshot> m_undo;
    std::vector<Snapshot> m_redo;
    Snapshot m_saved;
    bool m_dragging = false;
    Snapshot m_dragStart;
};

} // namespace tarvik::web
