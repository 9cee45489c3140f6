// English and metric units. A layout is kept in its file's units (inches and
// pounds per inch, or millimetres and newtons per millimetre); the geometry engine works in inches
// inside and converts at its boundary, and the Options menu converts an open layout from one to the
// other. Angles are degrees in both.
#pragma once

#include "core/layout/layoutkinds.h"
#include "core/layout/specrecord.h"

#include <string>
#include <string_view>

namespace tarvik {

inline constexpr double kMillimetresPerInch = 25.4;
// One pound-force per inch in newtons per millimetre (4.4482216152605 / 25.4).
inline constexpr double kNewtonsPerMmPerPoundPerInch = 4.4482216152605 / 25.4;

enum class Quantity { Length, Angle, Rate, Count };

// What an entry measures: the points, arm lengths, hub and rim sizes, spring
// results and dive are lengths; arm angles, cambers and roll are angles; the
// spring and wheel rates are rates.
Quantity entryQuantity(int entry);

// The factor from inch units to the layout's units for a quantity (1 for
// English units and for angles).
double unitFactor(Quantity quantity, Units units);

// A text converted between units, in the number text form; an empty or blank
// text stays as it is, and so does an angle.
std::string convertText(std::string_view text, Quantity quantity, bool toMetric);

// The text an input box shows for an entry's stored text. A metric length or
// rate that the conversion gave ten significant digits (a spring rate of
// 87.56341762 N/mm) is shown with two decimals, as the English layout's
// values are (87.56), so it fits its box; the record keeps the full text, so
// that converting back gives the English value that was typed. Every other
// text is shown as stored.
std::string shownEntryText(std::string_view text, int entry, Units units);

// Every input entry of the record converted (the layout's conversion when the
// user switches units).
SpecRecord convertRecord(const SpecRecord &record, bool toMetric);

struct Settings;
// The settings follow the layout's units: the dive of the camber-gain
// definition and the dive ranges of the table spec and of the baseline's spec
// are converted, and the settings' units set. Nothing changes when they
// already are those units.
void convertSettingsUnits(Settings &settings, Units units);

} // namespace tarvik
