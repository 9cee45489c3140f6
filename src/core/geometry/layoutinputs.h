// The layout's numbers, read once from the box texts: per side the six
// points (X as typed, positive outboard on both sides, and height), the two
// arm dimensions and the "Other Specs", then dive and roll. Lengths are
// inches (a metric layout's millimetres converted here), angles degrees.
//
// This is the one place a box text becomes a number for a calculation: the
// solver, the shim move, the engine, the table sweep and the optimizer all
// read their numbers from here, and change one box by giving its new text.
#pragma once

#include "core/geometry/faultlog.h"
#include "core/layout/entry.h"
#include "core/layout/layoutkinds.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

// A point as its two boxes hold it.
struct TypedPoint
{
    double x = 0;
    double height = 0;
};

// An arm's dimensions in the length-and-angle entry mode (length 0: unused).
struct ArmDimensions
{
    double length = 0;
    double angle = 0;
};

struct SideInputs
{
    // Strut: upperBallJoint is the body mount, upperFramePivot the lower
    // strut location, upperArm the strut's dimensions.
    TypedPoint upperBallJoint, upperFramePivot, lowerBallJoint, lowerFramePivot;
    TypedPoint upperSpringPad, lowerSpringPad;
    ArmDimensions upperArm, lowerArm;
    double springLength = 0, springCompression = 0, springAngle = 0, springRate = 0;
    double wheelRate = 0, scrubRadius = 0, staticCamber = 0, dynamicCamber = 0;
    double hubDistance = 0, rimWidth = 0, rimOffset = 0;
};

class LayoutInputs
{
public:
    LayoutInputs() = default;
    // English: the texts are inches; Metric: millimetres.
    LayoutInputs(const EntryTexts &texts, Units units);

    // Reads one box's text again (the leading-number rule; blank is 0).
    void set(Entry entry, std::string_view text);
    // The same for a text that is not blank and reads as number (saving
    // the reading when the caller knows what it reads as).
    void setRead(Entry entry, double number);
    // The number of an entry, as the slot it went to holds it.
    double value(Entry entry) const;

    std::array<SideInputs, 2> side; // 0 the car's right, 1 its left
    double dive = 0; // inches, positive lowers the chassis
    double roll = 0; // degrees

    bool empty(Entry entry) const { return (m_empty >> entry.number()) & 1u; }
    // Empty or only blanks and tabs.
    bool blank(Entry entry) const { return (m_blank >> entry.number()) & 1u; }
    Units units() const { return m_units; }
    // Faults met while reading, in the order met.
    const std::vector<int> &faults() const { return m_faults.codes; }

private:
    double *slot(Entry entry);

    Units m_units = Units::English;
    std::uint64_t m_empty = ~std::uint64_t { 0 };
    std::uint64_t m_blank = ~std::uint64_t { 0 };
    FaultLog m_faults;
};

} // namespace tarvik
