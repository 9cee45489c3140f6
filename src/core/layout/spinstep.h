// The arithmetic of the dive and roll spin buttons: one step up or down,
// snapped to the step grid and held at the limits. Dive moves by 0.1 inch
// within -6..6; roll by 0.2 degree within -10..10 (-70..70 with the
// extended roll range).
#pragma once

#include "core/layout/entry.h"
#include "core/layout/layoutkinds.h"

#include <optional>
#include <string>

namespace tarvik {

struct SpinSpec
{
    double step = 0.1; // h
    double gridFactor = 10; // k: values snap to multiples of 1 / k
    double upper = 6;
    double lower = -6;
};

// The dive's step and limits in the layout's units: 0.1 in within 6 in, or
// the same 2.54 mm within 152.4 mm for a metric layout.
SpinSpec diveSpinSpec(Units units = Units::English);
SpinSpec rollSpinSpec(bool extendedRange);

// The new value after one press, or nothing when the value already sits at
// the limit in the direction of the press (the caller beeps).
std::optional<double> spinStep(double current, bool increase, const SpinSpec &spec);

// One press of the dive or roll spin button on the
// box's text: the new text ("##.00"), or nothing when the value sits at its
// limit already (the window beeps).
std::optional<std::string> spinEntryText(Entry entry, const std::string &current, bool increase,
    bool extendedRoll, Units units = Units::English);

} // namespace tarvik
