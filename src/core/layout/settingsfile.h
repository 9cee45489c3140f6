// Reading and writing the settings file: 258 records in a fixed order, one a
// line, written with CR LF through a temporary file renamed over the target.
// Reading stops quietly at the end of the file, leaving every later setting
// at its start value; a missing file gives the start values.
#pragma once

#include "core/layout/settings.h"
#include "core/layout/textfile.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvik {

struct SettingsReadResult
{
    bool found = false; // false when the file could not be read
    int recordsRead = 0; // 0..258
    Settings settings;
};

SettingsReadResult parseSettingsText(std::string_view text);
SettingsReadResult readSettingsFile(const std::filesystem::path &path);
std::string settingsFileText(const Settings &settings);
WriteResult writeSettingsFile(const std::filesystem::path &path, const Settings &settings);

} // namespace tarvik
