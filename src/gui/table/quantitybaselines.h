// The baselines of the roll-centre tables (height and lateral position), one
// file each in the user's configuration folder (baselineFileName()); the
// camber baseline stays in the settings file.
//
// Both are read when the table window is made. A missing file is a first
// run; a file that cannot be read is left alone and its quantity starts
// without a baseline, with a note for the window to show once. After every
// table command the window asks for the changed ones to be written: each is
// written only when it differs from what was last read or written.
//
// The stored cells are lengths in the layout's units: when the layout
// changes units, both are converted (convertBaselineUnits) and written, and
// TableOptions remembers the units they are in.
#pragma once

#include "core/layout/layoutkinds.h"
#include "core/table/baseline.h"
#include "core/table/tablequantity.h"

#include <QString>
#include <QStringList>
#include <array>

namespace tarvik::gui {

class TableOptions;

class QuantityBaselines
{
public:
    // options gives the configuration folder and keeps the units; it must
    // outlive this.
    explicit QuantityBaselines(TableOptions &options);

    // The baseline of a roll-centre quantity; camber's is the settings' and
    // not kept here (asking for it gives an unused state).
    BaselineState &baseline(TableQuantity quantity);
    QString filePath(TableQuantity quantity) const;

    // Converts both baselines when they are in other units than these;
    // writeChanged() then stores them.
    void followUnits(Units units);
    // Writes the baselines that changed, and then their units; the messages
    // of those that could not be written.
    QStringList writeChanged();
    // Why a stored file was not used, once each; then empty.
    QStringList takeReadNotes();

private:
    static std::size_t slot(TableQuantity quantity);

    TableOptions &m_options;
    Units m_units = Units::English; // of the baselines held here
    std::array<BaselineState, kTableQuantityCount> m_baselines;
    std::array<BaselineState, kTableQuantityCount> m_written;
    QStringList m_readNotes;
};

} // namespace tarvik::gui
