// The layout's numbers from the box texts (see layoutinputs.h).
#include "core/geometry/layoutinputs.h"

#include "core/layout/entrynumbers.h"
#include "core/layout/specrecord.h"
#include "core/layout/units.h"
#include "core/text/numberreading.h"

namespace tarvik {

LayoutInputs::LayoutInputs(const EntryTexts &texts, Units units)
    : m_units(units)
{
    for (const Entry entry : Entry::every()) {
        set(entry, texts[entry]);
    }
}

double *LayoutInputs::slot(Entry entry)
{
    const EntryPosition at = entryPosition(entry);
    switch (at.block) {
    case EntryBlock::Points: {
        SideInputs &s = side[static_cast<std::size_t>(at.side)];
        if (at.row == kUpperArmDim || at.row == kLowerArmDim) {
            ArmDimensions &arm = at.row == kUpperArmDim ? s.upperArm : s.lowerArm;
            return at.column == kColumnX ? &arm.length : &arm.angle;
        }
        TypedPoint *const points[] = { &s.upperBallJoint, &s.upperFramePivot, &s.lowerBallJoint,
            &s.lowerFramePivot, &s.upperSpringPad, &s.lowerSpringPad };
        TypedPoint &p = *points[at.row];
        return at.column == kColumnX ? &p.x : &p.height;
    }
    case EntryBlock::OtherSpecs: {
        SideInputs &s = side[static_cast<std::size_t>(at.side)];
        double *const specs[] = { &s.springLength, &s.springCompression, &s.springAngle,
            &s.springRate, &s.wheelRate, &s.scrubRadius, &s.staticCamber, &s.dynamicCamber,
            &s.hubDistance, &s.rimWidth, &s.rimOffset };
        return specs[at.row];
    }
    case EntryBlock::Dive:
        return &dive;
    case EntryBlock::Roll:
        return &roll;
    case EntryBlock::None:
        break;
    }
    return nullptr;
}

void LayoutInputs::set(Entry entry, std::string_view text)
{
    double *target = slot(entry);
    if (target == nullptr) {
        return;
    }
    const std::uint64_t bit = std::uint64_t { 1 } << entry.number();
    const bool isEmpty = text.empty();
    const bool isBlank = text.find_first_not_of(" \t") == std::string_view::npos;
    m_empty = isEmpty ? m_empty | bit : m_empty & ~bit;
    m_blank = isBlank ? m_blank | bit : m_blank & ~bit;
    // A metric layout's lengths are millimetres: the solve runs in inches.
    *target = isEmpty ? 0.0
                      : checkedValue(readNumber(text), 0.0, &m_faults)
            / unitFactor(entryQuantity(entry.number()), m_units);
}

void LayoutInputs::setRead(Entry entry, double number)
{
    double *target = slot(entry);
    if (target == nullptr) {
        return;
    }
    const std::uint64_t bit = std::uint64_t { 1 } << entry.number();
    m_empty &= ~bit;
    m_blank &= ~bit;
    *target
        = checkedValue(number, 0.0, &m_faults) / unitFactor(entryQuantity(entry.number()), m_units);
}

double LayoutInputs::value(Entry entry) const
{
    double *target = const_cast<LayoutInputs *>(this)->slot(entry);
    return target == nullptr ? 0.0 : *target;
}

} // namespace tarvik
