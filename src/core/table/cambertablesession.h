// The Camber Table window (frmGrid) without its pixels: the table it shows,
// the private copy of the TableSpec that table was built with, the
// TableNeedsRefill flag, the fill with its baseline spec check, and the copy
// into the baseline when the window closes in previous-table mode.
//
// The window owns one session, shows table() in its grids and
// menuCaption() on its "Baseline" menu, and calls:
//   - requestRefill() when "Table & Graph" opens it (through the main window);
//   - refillDueOnActivation() on every activation, and fill() when it says so
//     (after letting pending events run once);
//   - unload() when it closes.
// The sweep itself is injected, so the window binds it to the current layout,
// the engine and its repaint observer, and tests bind a stand-in.
//
// The window can show camber or the moved roll centre's height or lateral
// position (showQuantity()); every quantity has its own baseline. Camber's
// is the one given to the constructor (the settings file keeps it); the
// window attaches the others with setQuantityBaseline(), and until it does
// the session keeps a private, empty one for each. The "Baseline" menu and
// the fill work on the baseline of the quantity shown.
#pragma once

#include "core/table/baseline.h"
#include "core/table/cambertable.h"
#include "core/table/tablequantity.h"
#include "core/table/tablespec.h"

#include <array>
#include <functional>
#include <string>

namespace tarvik {

class TableDialogs;

class CamberTableSession
{
public:
    // One FillCamberTable sweep of the current layout for spec and baseline.
    using Sweep = std::function<CamberTable(const TableSpec &spec, const BaselineState &baseline)>;

    // tableSpec and baseline are the program-wide settings the session reads
    // and changes; they and dialogs must outlive the session.
    CamberTableSession(
        const TableSpec &tableSpec, BaselineState &baseline, Sweep sweep, TableDialogs &dialogs);
    CamberTableSession(const CamberTableSession &) = delete;
    CamberTableSession &operator=(const CamberTableSession &) = delete;

    // TableNeedsRefill := 1: the table fills itself on its next activation.
    void requestRefill() { m_needsRefill = true; }
    bool needsRefill() const { return m_needsRefill; }

    // The activation rule: a TableSpec that differs from the private copy
    // asks for a refill. True when the window must fill now.
    bool refillDueOnActivation();

    // FillCamberTable: takes the private copy of the TableSpec; a shown
    // baseline whose spec differs is announced and hidden (ShowBaseline := 0)
    // before the sweep; a spec too big for the table is announced and nothing
    // is swept. Clears TableNeedsRefill.
    void fill();

    // Closing the window: in previous-table mode the table it showed becomes
    // the baseline, with the spec it was built with. A window that never
    // filled has nothing to give and leaves the baseline alone. The sweep
    // gave every quantity's table, so each quantity whose baseline is in
    // previous-table mode takes its own table, shown or not.
    void unload();

    // The baseline of quantity; it must outlive the session.
    void setQuantityBaseline(TableQuantity quantity, BaselineState &baseline);
    // Shows quantity from the numbers of the last sweep (no engine call),
    // with that quantity's baseline: a shown baseline whose spec differs is
    // announced and hidden, as a fill does. Before the first fill it only
    // chooses what the first fill shows.
    void showQuantity(TableQuantity quantity);
    TableQuantity quantity() const { return m_quantity; }

    const CamberTable &table() const { return m_table; }
    bool filled() const { return m_filled; }
    // The TableSpec the shown table was built with.
    const TableSpec &tableSpecCopy() const { return m_specCopy; }
    // The "Baseline" menu's caption, rewritten at the start of every fill.
    const std::string &menuCaption() const { return m_menuCaption; }

    const TableSpec &tableSpec() const { return *m_tableSpec; }
    BaselineState &baseline() { return *m_baseline; }
    const BaselineState &baseline() const { return *m_baseline; }
    TableDialogs &dialogs() { return *m_dialogs; }

private:
    // Hides a shown baseline whose spec differs from the table's, with the note.
    void checkBaselineSpec();

    const TableSpec *m_tableSpec;
    BaselineState *m_baseline; // the shown quantity's
    std::array<BaselineState *, kTableQuantityCount> m_baselines {};
    std::array<BaselineState, kTableQuantityCount> m_ownBaselines;
    TableQuantity m_quantity = TableQuantity::Camber;
    Sweep m_sweep;
    TableDialogs *m_dialogs;

    CamberTable m_table;
    TableSpec m_specCopy;
    std::string m_menuCaption;
    bool m_needsRefill = false;
    bool m_filled = false;
};

} // namespace tarvik
