// The example layouts as design problems and entry texts, for the
// optimizer, shim and calculator tests.
#pragma once

#include "core/design/designproblem.h"
#include "core/layout/units.h"
#include "core/layout/vehiclefile.h"

#include <array>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace tarvik::test {

inline LayoutState exampleLayout(const std::string &file)
{
    const VehicleReadResult read
        = readVehicleFile(std::filesystem::path(TARVIK_SOURCE_DATA_DIR) / "tkfiles" / file);
    EXPECT_TRUE(read.ok) << file;
    LayoutState layout;
    layout.takeVehicle(read.data, file);
    return layout;
}

inline EntryTexts entriesOf(const LayoutState &layout)
{
    EntryTexts entries;
    for (const Entry e : Entry::every()) {
        entries[e] = layout.record.get(e);
    }
    return entries;
}

// The same layout converted to millimetres, as Options > Metric Units does.
inline LayoutState metricLayout(const std::string &file)
{
    LayoutState layout = exampleLayout(file);
    layout.record = convertRecord(layout.record, true);
    layout.units = Units::Metric;
    return layout;
}

inline DesignTarget target(const std::string &name, double value, double weight = 1)
{
    std::string message;
    DesignTarget t = parseDesignTargetName(name, message).value_or(DesignTarget {});
    EXPECT_TRUE(message.empty()) << message;
    t.value = value;
    t.weight = weight;
    return t;
}

// A coordinate free within +-reach of its value in the layout.
inline DesignVariable around(
    const LayoutState &layout, const std::string &name, double reach, bool symmetric)
{
    const Entry entry = coordinateEntry(name).value();
    const double now = std::stod(layout.record.get(entry));
    return makeDesignVariable(entry, now - reach, now + reach, symmetric);
}

} // namespace tarvik::test
