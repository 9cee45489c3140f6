// Increments, axis counts and the 10 x 11 fit check of a TableSpec.
//
// Two counts live here on purpose. The sweep visits every value from "from"
// toward "to" that does not pass "to" (a floor count), while the table-spec
// window sizes a spec by rounding span / increment to the nearest whole
// number. The fit check uses the window's count, which is never smaller, so a
// spec that passes it always fits the 10 x 11 baseline array.
#include "core/table/tablespec.h"

#include "core/layout/units.h"
#include "core/text/numberreading.h"

#include <cmath>

namespace tarvik {

namespace {

// Range ends typed as decimals ("-.7" to ".3") give spans that miss a whole
// number of increments by a rounding error; such a span still counts the
// last value.
constexpr double kCountSlack = 1e-9;

// Round to nearest, a half going to the even neighbour, without depending on
// the floating-point environment's rounding mode.
double roundHalfEven(double x)
{
    const double lower = std::floor(x);
    const double fraction = x - lower;
    if (fraction > 0.5) {
        return lower + 1;
    }
    if (fraction < 0.5) {
        return lower;
    }
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

TableAxis makeAxis(std::string_view fromText, std::string_view toText, double increment)
{
    TableAxis axis;
    axis.from = readNumber(fromText);
    axis.to = readNumber(toText);
    axis.step = axis.from > axis.to ? -increment : increment;
    const double steps = std::fabs((axis.to - axis.from) / increment);
    // A span too large to count is left at one value; tableSpecRefusal()
    // refuses such a spec before anything sweeps it.
    if (!std::isfinite(steps) || steps > 1e6) {
        axis.count = 1;
        return axis;
    }
    axis.count = static_cast<int>(std::floor(steps + kCountSlack)) + 1;
    return axis;
}

} // namespace

TableSpec standardTableSpec()
{
    return TableSpec { 0, "-2", "2", 1, "-4", "4", 1 };
}

double diveIncrement(int incIndex, Units units)
{
    const double length = unitFactor(Quantity::Length, units);
    switch (incIndex) {
    case 0:
        return 2 * length;
    case 1:
        return 1 * length;
    case 2:
        return 0.5 * length;
    default:
        return 0.25 * length;
    }
}

double rollIncrement(int incIndex)
{
    switch (incIndex) {
    case 0:
        return 4;
    case 1:
        return 2;
    case 2:
        return 1;
    case 3:
        return 0.5;
    default:
        return 0.25;
    }
}

TableAxis diveAxis(const TableSpec &spec, Units units)
{
    return makeAxis(spec.DiveFrom, spec.DiveTo, diveIncrement(spec.DiveIncIndex, units));
}

TableAxis rollAxis(const TableSpec &spec)
{
    return makeAxis(spec.RollFrom, spec.RollTo, rollIncrement(spec.RollIncIndex));
}

TableAxis rowAxis(const TableSpec &spec, Units units)
{
    return spec.rowsRoll() ? rollAxis(spec) : diveAxis(spec, units);
}

TableAxis columnAxis(const TableSpec &spec, Units units)
{
    return spec.rowsRoll() ? diveAxis(spec, units) : rollAxis(spec);
}

double specWindowCount(std::string_view fromText, std::string_view toText, double increment)
{
    const double span = readNumber(toText) - readNumber(fromText);
    const double steps = span / increment;
    if (!std::isfinite(steps)) {
        return HUGE_VAL;
    }
    return std::fabs(roundHalfEven(steps)) + 1;
}

std::string tableSpecRefusal(const TableSpec &spec, Units units)
{
    const double dive
        = specWindowCount(spec.DiveFrom, spec.DiveTo, diveIncrement(spec.DiveIncIndex, units));
    const double roll
        = specWindowCount(spec.RollFrom, spec.RollTo, rollIncrement(spec.RollIncIndex));
    if (spec.rowsRoll()) {
        if (roll > kMaxTableRows) {
            return "Roll Increment must be increased to stay within 10 as Max Number of Rows.";
        }
        if (dive > kMaxTableColumns) {
            return "Dive Increment must be increased to stay within 11 as Max Number of Columns.";
        }
        return {};
    }
    if (roll > kMaxTableColumns) {
        return "Roll Increment must be increased to stay within 11 as Max Number of Columns.";
    }
    if (dive > kMaxTableRows) {
        return "Dive Increment must be increased to stay within 10 as Max Number of Rows.";
    }
    return {};
}

} // namespace tarvik
