// The kinds a layout comes in: its suspension, how its arm points are
// entered and the units its boxes are typed in. Files hold them as 0 and 1; only their readers and
// writers see those numbers.
#pragma once

namespace tarvik {

enum class SuspensionType { DoubleAArm = 0, Strut = 1 };
// X and Height: every point typed; LengthAndAngle: the arms' lengths and
// angles place the ball joints (never on a strut).
enum class EntryMode { XAndHeight = 0, LengthAndAngle = 1 };
// English: lengths in inches, rates in lb/in; Metric: millimetres and N/mm.
enum class Units { English = 0, Metric = 1 };

// The units a stored number stands for (any but 0 is metric, as it always
// was), and the number written for them.
constexpr Units unitsFromStored(int stored)
{
    return stored != 0 ? Units::Metric : Units::English;
}
constexpr int storedUnits(Units units)
{
    return units == Units::Metric ? 1 : 0;
}

} // namespace tarvik
