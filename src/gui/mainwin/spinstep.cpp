// Spin-button steps; see spinstep.h. floor(x + 0.5) is the old program's
// rounding to the grid, kept so off-grid values snap the same way.
#include "gui/mainwin/spinstep.h"

#include <cmath>

namespace tarvik::gui {

SpinSpec diveSpinSpec()
{
    return { 0.1, 10, 6, -6 };
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

} // namespace tarvik::gui
