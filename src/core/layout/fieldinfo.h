// Field definitions: the name, help definition and limits of every entry,
// loaded from the shipped definitions file, and the range check built on
// them.
//
// The file holds 56 groups in entry order: a line with the name, a line with
// the definition, then the maximum and the minimum as two numbers separated
// by a comma or a line end. A missing or short file gives no definitions at
// all (empty names and texts, no range check) rather than a half-filled set.
#pragma once

#include "core/layout/layoutkinds.h"
#include "core/layout/specrecord.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvik {

inline constexpr const char *kSpringPadNote = "  (Not required for Instant Center calculation.)";
inline constexpr const char *kRangeWarningTitle = "Warning";

struct FieldInfo
{
    std::string name;
    std::string definition;
    float maximum = 0.0f; // single precision, as the limits are held
    float minimum = 0.0f;
    bool hasLimits = false;

    // A maximum whose number text ends in ".001" (100.001) marks an entry
    // that takes whole numbers only.
    bool wholeNumbersOnly() const;
    // Refused when the box's number, as a single-precision value, lies
    // outside the limits; the limits themselves are accepted.
    bool isOutsideLimits(std::string_view boxText) const;
};

struct FieldDefinitions
{
    bool loaded = false;
    std::array<FieldInfo, kEntryCount> fields;

    // An empty FieldInfo for entries out of range.
    const FieldInfo &at(int entry) const;
};

// "help.txt", or "helpm.txt" for metric units.
std::string definitionsFileName(Units units);
// The definitions file under the data folder ("TKTEXT/help.txt"), found
// whatever the letter case of the folder and file names; empty when absent.
std::filesystem::path findDefinitionsFile(const std::filesystem::path &dataDir, Units units);

// With the extended roll range on, entry 55 (roll) takes 70 to -70 degrees.
FieldDefinitions parseDefinitions(std::string_view text, bool extendedRoll);
FieldDefinitions loadDefinitions(const std::filesystem::path &file, bool extendedRoll);

// name + " = " + box text + ".  Value must be between " + minimum + " and "
// + maximum + " ."; the limits in the number text form with the leading
// blank (a whole-number maximum shows its whole part).
std::string rangeMessage(const FieldInfo &field, std::string_view boxText);

// A double narrowed to single precision, saturating instead of overflowing.
float toSingle(double value);

} // namespace tarvik
