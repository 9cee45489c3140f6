// Spring rates from the physical dimensions of a coil spring, a leaf spring
// and a solid or hollow torsion bar, in inches and pounds (rates in pounds
// per inch), and the text the spring calculator shows for a rate.
//
// A rate that cannot be made (a required input is 0, or the dimensions give
// no finite number) is no rate at all: the calculator then keeps what it
// showed before.
#pragma once

#include <optional>
#include <string>

namespace tarvik {

inline constexpr double kSpringShearModulusPsi = 11000000.0; // coil spring and torsion bar
inline constexpr double kSpringYoungsModulusPsi = 30000000.0; // leaf spring
inline constexpr double kTorsionBarFactor = 1.15;
inline constexpr double kPolarMomentFactor = 0.098; // stands in for pi / 32
// A hollow bar keeps at least this much wall: its inside diameter is held
// below the outside diameter by this many inches.
inline constexpr double kTorsionBarMinWall = 0.02;

// Needs all three non-zero; the mean coil diameter is wire + inside diameter.
std::optional<double> coilSpringRate(
    double wireDiameter, double insideDiameter, double activeCoils);
// One leaf at the centre uses the single-leaf formula whatever the leaves at
// the ends; otherwise the centre count and the length must be non-zero.
std::optional<double> leafSpringRate(
    double leavesAtCentre, double leavesAtEnds, double length, double leafThickness, double width);
// Needs the bar length, the arm length and the bar diameter non-zero (a bar
// of diameter 0 has no rate). With an inside diameter the bar is hollow.
std::optional<double> torsionBarRate(double diameter, double length, double armLength,
    std::optional<double> insideDiameter = std::nullopt);

// "####.00" below 20, "####.0" from 20 up to but not including 100, "####0"
// from 100 up.
std::string springRateText(double rate);

} // namespace tarvik
