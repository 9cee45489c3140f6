// Spin-button steps; see spinstep.h. floor(x + 0.5) is the old program's
// rounding to the grid, kept so off-grid values snap the same way.
#include "core/layout/spinstep.h"

#include "core/layout/specrecord.h"
#include "core/layout/units.h"
#include "core/text/numberreading.h"
#include "core/text/pictureformat.h"

#include <cmath>

namespace tarvik {

SpinSpec diveSpinSpec(Units units)
{
    const double mm = unitFactor(Quantity::Length, units);
    return { 0.1 * mm, 10 / mm, 6 * mm, -6 * mm };
}

SpinSpec rollSpinSpec(bool extendedRange)
{
    const double limit = extendedRange ? 70 : 10;
    return { 0.2, 5, limit, -limit };
}

std::optional<double> spinStep(double current, bool increase, const SpinSpec &spec)
{
    const double moved = increase ? current + spec.step : current - spec.step;
    double next = std::floor(moved * spec.gridFactor + 0.5) / spec.gridFactor;
    bool clamped = false;
    if (increase && next > spec.upper) {
        next = spec.upper;
        clamped = true;
    } else if (!increase && next < spec.lower) {
        next = spec.lower;
        clamped = true;
    }
    if (clamped && next == current) {
        return std::nullopt;
    }
    return next;
}

std::optional<std::string> spinEntryText(
    Entry entry, const std::string &current, bool increase, bool extendedRoll, Units units)
{
    if (entry != Entry::dive() && entry != Entry::roll())
        return std::nullopt;
    const SpinSpec spec = entry == Entry::dive() ? diveSpinSpec(units) : rollSpinSpec(extendedRoll);
    const std::optional<double> next = spinStep(readNumber(current), increase, spec);
    if (!next)
        return std::nullopt;
    return formatPicture(*next, "##.00");
}

} // namespace tarvik
