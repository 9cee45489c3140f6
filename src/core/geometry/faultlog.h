// Run-time faults met while solving a layout.
//
// The layout solve carries on after a fault with the values it has, the way
// the program always has: a step whose arithmetic fails leaves its target as
// it was. What counts as a fault here: a division by zero that no guard of
// the geometry catches (fault 11), and a result too large for a
// single-precision layout point or a 0/0 (overflow, fault 6). Fault 6 is
// ignored silently; every other fault becomes a message for the user. No
// infinity or NaN ever reaches a stored point or result.
#pragma once

#include <cmath>
#include <limits>
#include <vector>

namespace tarvik {

inline constexpr int kFaultOverflow = 6;
inline constexpr int kFaultDivisionByZero = 11;

struct FaultLog
{
    std::vector<int> codes; // in the order met, fault 6 included

    void raise(int code) { codes.push_back(code); }
};

// value rounded to single precision; values beyond its range become
// infinities explicitly instead of through an out-of-range conversion.
inline float toSingle(double value)
{
    constexpr double kMax = static_cast<double>(std::numeric_limits<float>::max());
    if (value > kMax) {
        return std::numeric_limits<float>::infinity();
    }
    if (value < -kMax) {
        return -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value);
}

// The fault paths of the checks below, out of line: the solve calls the
// checks hundreds of times per layout and almost never takes them.
bool storeFloatFault(double value, FaultLog *faults);
double checkedDivideFault(double a, double b, double fallback, FaultLog *faults);
double checkedValueFault(double value, double fallback, FaultLog *faults);

// Stores value into target as a single-precision number, or raises a fault
// and leaves target unchanged when value is not finite or does not fit.
inline bool storeFloat(float &target, double value, FaultLog *faults)
{
    // False for NaN too.
    if (std::fabs(value) <= static_cast<double>(std::numeric_limits<float>::max())) {
        target = static_cast<float>(value);
        return true;
    }
    return storeFloatFault(value, faults);
}

// value when finite, else raises a fault and gives fallback.
inline double checkedValue(double value, double fallback, FaultLog *faults)
{
    return std::isfinite(value) ? value : checkedValueFault(value, fallback, faults);
}

// a / b, or raises a fault (11 for x/0, 6 for 0/0) and gives fallback.
inline double checkedDivide(double a, double b, double fallback, FaultLog *faults)
{
    if (b != 0) {
        const double quotient = a / b;
        if (std::isfinite(quotient)) {
            return quotient;
        }
    }
    return checkedDivideFault(a, b, fallback, faults);
}

} // namespace tarvik
