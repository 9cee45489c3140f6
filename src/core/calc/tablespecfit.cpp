// Fitting a TableSpec to 10 x 11 and previewing its axes; see tablespecfit.h.
#include "core/calc/tablespecfit.h"

#include "core/text/numberreading.h"
#include "core/text/numbertext.h"

namespace tarvik {

namespace {

constexpr const char *kRollColumnsWarning
    = "Roll Increment must be increased to stay within 11 as Max Number of Columns.";
constexpr const char *kDiveRowsWarning
    = "Dive Increment must be increased to stay within 10 as Max Number of Rows.";
constexpr const char *kRollRowsWarning
    = "Roll Increment must be increased to stay within 10 as Max Number of Rows.";
constexpr const char *kDiveColumnsWarning
    = "Dive Increment must be increased to stay within 11 as Max Number of Columns.";

// The finest index of each list; any index outside 0..finest means the
// finest increment, so coarsening starts from there.
constexpr int kFinestDiveIndex = 3;
constexpr int kFinestRollIndex = 4;

int effectiveIndex(int index, int finest)
{
    return index >= 0 && index <= finest ? index : finest;
}

// One axis of the fit: its limit for the orientation, its warning, and
// whether the warning was shown in this fit.
struct AxisFit
{
    int *index;
    int finest;
    double limit;
    const char *warning;
    bool warned = false;
    bool stuck = false;
};

} // namespace

TableSpecFit fitTableSpec(const TableSpec &spec, Units units)
{
    TableSpecFit fit;
    fit.spec = spec;
    TableSpec &s = fit.spec;
    const bool rowsRoll = s.rowsRoll();
    AxisFit roll { &s.RollIncIndex, kFinestRollIndex,
        double(rowsRoll ? kMaxTableRows : kMaxTableColumns),
        rowsRoll ? kRollRowsWarning : kRollColumnsWarning };
    AxisFit dive { &s.DiveIncIndex, kFinestDiveIndex,
        double(rowsRoll ? kMaxTableColumns : kMaxTableRows),
        rowsRoll ? kDiveColumnsWarning : kDiveRowsWarning };

    // Each pass either coarsens one axis or ends, and an axis can be
    // coarsened at most four times, so this ends within nine passes.
    for (;;) {
        fit.diveCount = specWindowCount(s.DiveFrom, s.DiveTo, diveIncrement(s.DiveIncIndex, units));
        fit.rollCount = specWindowCount(s.RollFrom, s.RollTo, rollIncrement(s.RollIncIndex));
        bool coarsened = false;
        // Roll is checked first in both orientations.
        for (AxisFit *axis : { &roll, &dive }) {
            const double count = axis == &roll ? fit.rollCount : fit.diveCount;
            if (count <= axis->limit || axis->stuck) {
                continue;
            }
            if (!axis->warned) {
                fit.warnings.emplace_back(axis->warning);
                axis->warned = true;
            }
            const int index = effectiveIndex(*axis->index, axis->finest);
            if (index == 0) {
                axis->stuck = true; // the largest increment already; the user must narrow
                continue;
            }
            *axis->index = index - 1;
            coarsened = true;
            break;
        }
        if (!coarsened) {
            break;
        }
    }
    fit.fits = !roll.stuck && !dive.stuck;
    const double diveIncrementValue = diveIncrement(s.DiveIncIndex, units);
    const double rollIncrementValue = rollIncrement(s.RollIncIndex);
    fit.diveStep
        = readNumber(s.DiveTo) < readNumber(s.DiveFrom) ? -diveIncrementValue : diveIncrementValue;
    fit.rollStep
        = readNumber(s.RollTo) < readNumber(s.RollFrom) ? -rollIncrementValue : rollIncrementValue;
    return fit;
}

std::string buildValueList(double count, double first, double increment, bool vertical)
{
    const std::string separator = vertical ? "\r" : "    ";
    const int limit = vertical ? 4 : 6;
    std::string list;
    for (int i = 0; i <= limit - 2 && i + 1 < count; ++i) {
        list += numberTextWithBlank(first + i * increment) + separator;
    }
    if (count > limit) {
        list += " ...." + separator;
    }
    list += numberTextWithBlank(first + (count - 1) * increment);
    return list;
}

std::string tableSpecPreview(const TableSpecFit &fit)
{
    const TableSpec &s = fit.spec;
    const bool rowsRoll = s.rowsRoll();
    const double diveFirst = readNumber(s.DiveFrom);
    const double rollFirst = readNumber(s.RollFrom);
    const std::string rowWord = rowsRoll ? "Roll" : "Dive";
    const std::string columnWord = rowsRoll ? "Dive" : "Roll";
    const double rowCount = rowsRoll ? fit.rollCount : fit.diveCount;
    const double columnCount = rowsRoll ? fit.diveCount : fit.rollCount;
    const std::string columns = rowsRoll
        ? buildValueList(fit.diveCount, diveFirst, fit.diveStep, false)
        : buildValueList(fit.rollCount, rollFirst, fit.rollStep, false);
    const std::string rows = rowsRoll
        ? buildValueList(fit.rollCount, rollFirst, fit.rollStep, true)
        : buildValueList(fit.diveCount, diveFirst, fit.diveStep, true);
    return std::string(30, ' ') + columnWord + "\r" + std::string(10, ' ') + " " + rowWord + columns
        + "\r" + rows + "\r\r" + numberText(rowCount) + " rows x" + numberTextWithBlank(columnCount)
        + " columns.   " + "(Maximum of 10 rows by 11 columns.)";
}

} // namespace tarvik
