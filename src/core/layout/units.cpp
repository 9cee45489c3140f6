// Units of a layout; see units.h.
#include "core/layout/units.h"

#include "core/layout/entrynumbers.h"
#include "core/layout/settings.h"
#include "core/text/numberreading.h"
#include "core/text/numbertext.h"

#include <cmath>

namespace tarvik {

Quantity entryQuantity(int entry)
{
    const EntryPosition p = entryPosition(entry);
    switch (p.block) {
    case EntryBlock::Points:
        return (p.row == kUpperArmDim || p.row == kLowerArmDim) && p.column == kColumnHeight
            ? Quantity::Angle
            : Quantity::Length;
    case EntryBlock::OtherSpecs:
        switch (p.row) {
        case kSpringRateRow:
        case kWheelRateRow:
            return Quantity::Rate;
        case kSpringAngleRow:
        case kStaticCamberRow:
        case kDynamicCamberRow:
            return Quantity::Angle;
        default:
            return Quantity::Length;
        }
    case EntryBlock::Dive:
        return Quantity::Length;
    case EntryBlock::Roll:
        return Quantity::Angle;
    case EntryBlock::None:
        break;
    }
    return Quantity::Count;
}

double unitFactor(Quantity quantity, Units units)
{
    if (units == Units::English) {
        return 1.0;
    }
    switch (quantity) {
    case Quantity::Length:
        return kMillimetresPerInch;
    case Quantity::Rate:
        return kNewtonsPerMmPerPoundPerInch;
    case Quantity::Angle:
    case Quantity::Count:
        break;
    }
    return 1.0;
}

std::string convertText(std::string_view text, Quantity quantity, bool toMetric)
{
    const double factor = unitFactor(quantity, Units::Metric);
    if (factor == 1.0 || text.find_first_not_of(' ') == std::string_view::npos) {
        return std::string(text);
    }
    const double value = readNumber(text) * (toMetric ? factor : 1.0 / factor);
    // Ten significant digits: a round trip gives the typed number back
    // without the noise of the last binary digits.
    const double scale = std::pow(10.0, 9 - std::floor(std::log10(std::fabs(value) + 1e-300)));
    return numberText(value == 0 ? 0.0 : std::round(value * scale) / scale);
}

std::string shownEntryText(std::string_view text, int entry, Units units)
{
    const Quantity quantity = entryQuantity(entry);
    if (units == Units::English || (quantity != Quantity::Length && quantity != Quantity::Rate)) {
        return std::string(text);
    }
    // Only a plain number in the number text form, with more than two
    // decimals; a fraction or a text kept as typed ("12.") stays as it is.
    const double value = readNumber(text);
    const auto point = text.find('.');
    if (point == std::string_view::npos || text.size() - point <= 3 || numberText(value) != text) {
        return std::string(text);
    }
    return numberText(std::round(value * 100.0) / 100.0);
}

SpecRecord convertRecord(const SpecRecord &record, bool toMetric)
{
    SpecRecord out = record;
    for (const int entry : inputWalk()) {
        out.set(entry, convertText(record.get(entry), entryQuantity(entry), toMetric));
    }
    return out;
}

void convertSettingsUnits(Settings &settings, Units units)
{
    const bool toMetric = units == Units::Metric;
    if ((settings.units == Units::Metric) == toMetric) {
        settings.units = units;
        return;
    }
    settings.GainDiveText = convertText(settings.GainDiveText, Quantity::Length, toMetric);
    for (TableSpec *spec : { &settings.tableSpec, &settings.baseline.BaselineSpec }) {
        spec->DiveFrom = convertText(spec->DiveFrom, Quantity::Length, toMetric);
        spec->DiveTo = convertText(spec->DiveTo, Quantity::Length, toMetric);
    }
    settings.units = units;
}

} // namespace tarvik
