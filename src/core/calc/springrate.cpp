// The spring-rate formulas; see springrate.h.
#include "core/calc/springrate.h"

#include "core/text/pictureformat.h"

#include <cmath>

namespace tarvik {

namespace {

std::optional<double> finiteRate(double rate)
{
    if (!std::isfinite(rate)) {
        return std::nullopt;
    }
    return rate;
}

} // namespace

std::optional<double> coilSpringRate(double wireDiameter, double insideDiameter, double activeCoils)
{
    if (wireDiameter == 0 || insideDiameter == 0 || activeCoils == 0) {
        return std::nullopt;
    }
    const double meanDiameter = wireDiameter + insideDiameter;
    return finiteRate(kSpringShearModulusPsi * std::pow(wireDiameter, 4)
        / (8 * std::pow(meanDiameter, 3) * activeCoils));
}

std::optional<double> leafSpringRate(
    double leavesAtCentre, double leavesAtEnds, double length, double leafThickness, double width)
{
    const double half = length / 2;
    const double stiffness = kSpringYoungsModulusPsi * width * std::pow(leafThickness, 3);
    if (leavesAtCentre == 1) {
        if (half == 0) {
            return std::nullopt;
        }
        return finiteRate(stiffness / (4 * std::pow(half, 3)));
    }
    if (half == 0 || leavesAtCentre == 0) {
        return std::nullopt;
    }
    return finiteRate(
        stiffness * leavesAtCentre * (2 + leavesAtEnds / leavesAtCentre) / (6 * std::pow(half, 3)));
}

std::optional<double> torsionBarRate(
    double diameter, double length, double armLength, std::optional<double> insideDiameter)
{
    if (length == 0 || armLength == 0 || diameter == 0) {
        return std::nullopt;
    }
    double inside = 0;
    if (insideDiameter) {
        inside = *insideDiameter;
        if (inside > diameter - kTorsionBarMinWall) {
            inside = diameter - kTorsionBarMinWall;
        }
    }
    const double g = kSpringShearModulusPsi * kTorsionBarFactor;
    const double d4 = std::pow(diameter, 4);
    return finiteRate(g * kPolarMomentFactor * d4 / (length * armLength * armLength)
        * (1 - std::pow(inside, 4) / d4));
}

std::string springRateText(double rate)
{
    if (rate < 20) {
        return formatPicture(rate, "####.00");
    }
    if (rate < 100) {
        return formatPicture(rate, "####.0");
    }
    return formatPicture(rate, "####0");
}

} // namespace tarvik
