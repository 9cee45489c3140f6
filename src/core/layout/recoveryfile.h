// Crash-recovery copies of the layout.
//
// While a layout has unsaved changes the program keeps a copy of it in the
// user's data folder, so that a crash, a kill or a power loss costs at most
// the last second of work. A copy is a short header and the layout as a
// vehicle file:
//   "TARVIK-RECOVERY 1"
//   the file the layout belongs to: its full path, or "Untitled"
//   when the copy was made, in seconds since 1970-01-01 UTC
//   the vehicle file's records, magic to terminator
// all with CR LF. "%", CR and LF in the path are written as %25, %0D and %0A,
// so any path fits on its line. A copy that does not read whole is refused.
#pragma once

#include "core/layout/textfile.h"
#include "core/layout/vehiclefile.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvik {

inline constexpr const char *kRecoveryMagic = "TARVIK-RECOVERY 1";

struct RecoveryData
{
    std::string file; // the layout's file: a full path, or "Untitled"
    std::int64_t savedAt = 0; // seconds since 1970-01-01 UTC
    VehicleData layout;
};

struct RecoveryReadResult
{
    bool ok = false;
    RecoveryData data;
};

std::string recoveryFileText(const RecoveryData &data);
RecoveryReadResult parseRecoveryText(std::string_view text);
RecoveryReadResult readRecoveryFile(const std::filesystem::path &path);
// Written through a flushed temporary file, as every file of the program.
WriteResult writeRecoveryFile(const std::filesystem::path &path, const RecoveryData &data);

} // namespace tarvik
