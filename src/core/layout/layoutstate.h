// The per-layout state that travels with the spec record: suspension type,
// units, comment, current file, changed flag, and the file title shown
// in the main window's caption.
#pragma once

#include "core/layout/entry.h"
#include "core/layout/layoutkinds.h"
#include "core/layout/specrecord.h"
#include "core/layout/vehiclefile.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarvik {

inline constexpr const char *kUntitled = "Untitled";

struct LayoutState
{
    SpecRecord record;
    SuspensionType suspensionType = SuspensionType::DoubleAArm;
    Units units = Units::English;
    std::string comment; // lines joined by CR LF
    std::string currentFile = kUntitled; // full path, or "Untitled"
    bool changed = false; // set by an accepted edit, cleared by a file read or write
    // Not stored in files: whether the dive and roll entries are applied
    // (false: static only), and the entry of the last accepted edit (none
    // before any).
    bool applyDiveRoll = false;
    std::optional<Entry> lastEditedEntry;

    // The state of File > New: every slot, the comment and the file cleared.
    void clearForNew();
    // What a vehicle file stores of the layout (the input entries only), and
    // the layout a read file gives: its inputs, type, units and comment, the
    // path as the current file, nothing changed. applyDiveRoll is kept.
    VehicleData vehicleData() const;
    void takeVehicle(const VehicleData &data, const std::string &path);
};

// The current file's name for display, in capitals: the part of the path
// below the vehicle folder (subfolders kept) when the file lies in it, else
// the part after the last separator ('\' or '/'); a name with no separator
// shows whole, so "Untitled" shows "UNTITLED". The folder comparison ignores
// letter case and a trailing separator.
std::string fileTitle(std::string_view currentFile, std::string_view vehicleFolder);

// "Tarvik - Quellmark Inc.   [ " + file title + " ]"; mark follows the file
// title (the window's "[*]", which shows "*" while there are unsaved changes).
std::string mainWindowCaption(std::string_view fileTitleText, std::string_view mark = {});

} // namespace tarvik
