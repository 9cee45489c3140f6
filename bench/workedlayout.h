// The worked example layout for the benchmarks: read from the shipped
// data/tkfiles/WORKED.TK when it is there, otherwise from an in-memory copy
// of the same file, so the numbers never depend on what is installed.
#pragma once

#include "core/geometry/engine.h"
#include "core/layout/vehiclefile.h"
#include "core/table/tablespec.h"

#include <filesystem>
#include <string>

namespace tarvik::bench {

// The worked example: a symmetric double A-arm layout, CR LF line ends.
inline const std::string &workedExampleText()
{
    static const std::string text = [] {
        const char *lines[] = { "QMK-TK*1.10", "0", "0", "24", "12", "26", "10", "14", "18", "", "",
            "15", "14", "5", "6", "16", "6", "", "", "24", "12", "26", "10", "14", "18", "", "",
            "15", "14", "5", "6", "16", "6", "", "", "500", "-.5", "2", "8", "4", "500", "-.5", "2",
            "8", "4", "", "", "Worked example", "-9999" };
        std::string joined;
        for (const char *line : lines) {
            joined += line;
            joined += "\r\n";
        }
        return joined;
    }();
    return text;
}

inline std::filesystem::path workedExamplePath()
{
    return std::filesystem::path(TARVIK_SOURCE_DATA_DIR) / "tkfiles" / "WORKED.TK";
}

inline VehicleData workedExample()
{
    VehicleReadResult read = readVehicleFile(workedExamplePath());
    if (!read.ok) {
        read = parseVehicleText(workedExampleText());
    }
    return read.data;
}

// An engine input of the worked example as the main window would pass it.
inline EngineInput workedExampleInput()
{
    const VehicleData data = workedExample();
    EngineInput input;
    for (const Entry entry : Entry::every()) {
        input.entries[entry] = data.record.get(entry);
    }
    input.suspensionType
        = data.suspensionType == 1 ? SuspensionType::Strut : SuspensionType::DoubleAArm;
    return input;
}

// The largest table: 10 dive values at .5 in by 11 roll values at 1 degree.
inline TableSpec largestTableSpec()
{
    return TableSpec { 0, "-2.25", "2.25", 2, "-5", "5", 2 };
}

} // namespace tarvik::bench
