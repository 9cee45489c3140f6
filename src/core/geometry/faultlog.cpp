// Fault-checked arithmetic of the layout solve (see faultlog.h).
#include "geometry/faultlog.h"

#include <cmath>
#include <limits>

namespace tarvik {

bool storeFloat(float &target, double value, FaultLog *faults)
{
    if (std::isnan(value)) {
        if (faults != nullptr) {
            faults->raise(kFaultOverflow);
        }
        return false;
    }
    if (std::isinf(value)) {
        if (faults != nullptr) {
            faults->raise(kFaultDivisionByZero);
        }
        return false;
    }
    if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max())) {
        if (faults != nullptr) {
            faults->raise(kFaultOverflow);
        }
        return false;
    }
    target = static_cast<float>(value);
    return true;
}

double checkedDivide(double a, double b, double fallback, FaultLog *faults)
{
    if (b == 0) {
        if (faults != nullptr) {
            faults->raise(a == 0 ? kFaultOverflow : kFaultDivisionByZero);
        }
        return fallback;
    }
    return checkedValue(a / b, fallback, faults);
}

double checkedValue(double value, double fallback, FaultLog *faults)
{
    if (std::isfinite(value)) {
        return value;
    }
    if (faults != nullptr) {
        faults->raise(std::isnan(value) ? kFaultOverflow : kFaultDivisionByZero);
    }
    return fallback;
}

} // namespace tarvik
