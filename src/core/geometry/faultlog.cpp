// Fault-checked arithmetic of the layout solve (see faultlog.h).
#include "core/geometry/faultlog.h"

#include <cmath>

namespace tarvik {

bool storeFloatFault(double value, FaultLog *faults)
{
    // Only what storeFloat could not store comes here: a NaN (an overflow,
    // as 0/0 always was), an infinity (a division by zero) or a finite value
    // beyond single precision (an overflow).
    if (faults != nullptr) {
        faults->raise(std::isinf(value) ? kFaultDivisionByZero : kFaultOverflow);
    }
    return false;
}

double checkedDivideFault(double a, double b, double fallback, FaultLog *faults)
{
    if (b == 0) {
        if (faults != nullptr) {
            faults->raise(a == 0 ? kFaultOverflow : kFaultDivisionByZero);
        }
        return fallback;
    }
    return checkedValueFault(a / b, fallback, faults);
}

double checkedValueFault(double value, double fallback, FaultLog *faults)
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
