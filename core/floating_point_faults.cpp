#include "core/floating_point_faults.h"

#include "core/runtime_error.h"

#include <cfenv>

void ClearFloatingPointFaults() {
    std::feclearexcept(FE_ALL_EXCEPT);
}

void ThrowOnFloatingPointFault() {
    const int raised = std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
    if ((raised & FE_DIVBYZERO) != 0) {
        throw RuntimeError(RuntimeErrorKind::DivisionByZero);
    }
    if ((raised & FE_INVALID) != 0) {
        throw RuntimeError(RuntimeErrorKind::InvalidOperation);
    }
    if ((raised & FE_OVERFLOW) != 0) {
        throw RuntimeError(RuntimeErrorKind::Overflow);
    }
}
