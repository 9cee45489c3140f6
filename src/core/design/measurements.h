// Camber measured on the car: a list of rows, each a chassis position (dive
// and roll) and the camber read on each wheel there. A camber not read is
// empty; a row with neither camber is a planned position (the measurement
// sheet prints its boxes).
//
// The file is CSV with the header `dive,roll,camber_right,camber_left` and
// one row a line: dive in the layout's length unit (inches, or millimetres
// on a metric layout), roll and cambers in degrees, a blank field for a
// camber not measured. It lives beside the vehicle file as
// NAME.measured.csv. Reading is all or nothing: a bad row is refused with
// its line number and the reason, and the caller keeps what it had.
//
// Pasted text (from a spreadsheet or the Measurements window) reads by the
// same rules, except that the header may be left out and a tab separates
// fields as well as a comma.
#pragma once

#include "core/layout/textfile.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

inline constexpr const char *kMeasurementHeader = "dive,roll,camber_right,camber_left";
inline constexpr std::size_t kMaxMeasurementRows = 500;
inline constexpr std::size_t kMaxMeasurementFileBytes = 64u * 1024u;
// Limits a reading must keep: the dive in typed units, the roll and the
// cambers in degrees.
inline constexpr double kMaxMeasuredDive = 1000;
inline constexpr double kMaxMeasuredRoll = 45;
inline constexpr double kMaxMeasuredCamber = 45;

struct MeasurementRow
{
    double dive = 0; // typed length
    double roll = 0; // degrees, positive raises the car's left side
    std::array<std::optional<double>, 2> camber; // [right, left], degrees
    bool operator==(const MeasurementRow &) const = default;
};

struct MeasurementSet
{
    std::vector<MeasurementRow> rows;
    bool operator==(const MeasurementSet &) const = default;
    // Whether any row holds a camber.
    bool hasReadings() const;
    // The row at this dive and roll (to a millionth), or nullptr.
    const MeasurementRow *find(double dive, double roll) const;
};

struct MeasurementReadResult
{
    bool ok = false;
    bool found = true; // false when there is no such file
    std::string message; // "Row 3: ..." when !ok
    MeasurementSet set; // empty unless ok
};

// The file's text: header and rows, LF line ends, numbers in their shortest
// form that reads back the same.
std::string measurementFileText(const MeasurementSet &set);
MeasurementReadResult parseMeasurementText(std::string_view text);
MeasurementReadResult parsePastedMeasurements(std::string_view text);

MeasurementReadResult readMeasurementFile(const std::filesystem::path &path);
WriteResult writeMeasurementFile(const std::filesystem::path &path, const MeasurementSet &set);

// NAME.measured.csv beside NAME.TK.
std::filesystem::path measurementFileFor(const std::filesystem::path &vehicleFile);

// One field as it shows in a grid or the file: shortest text, "" for none.
std::string measurementNumberText(std::optional<double> value);
// Reads one typed field; "" is no value. Returns false with a reason for a
// text that is not a plain number or is beyond limit.
bool readMeasurementField(
    std::string_view text, double limit, std::optional<double> &value, std::string &reason);

} // namespace tarvik
