#include "core/floating_point_environment.h"

#include <cfenv>

namespace {

constexpr int FaultFlags = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;

// The fault of one operation: it raises at most one of the three flags.
std::optional<RuntimeErrorKind> FaultOfOneOperation() {
    const int raised = std::fetestexcept(FaultFlags);
    if ((raised & FE_DIVBYZERO) != 0) {
        return RuntimeErrorKind::DivisionByZero;
    }
    if ((raised & FE_INVALID) != 0) {
        return RuntimeErrorKind::InvalidOperation;
    }
    if ((raised & FE_OVERFLOW) != 0) {
        return RuntimeErrorKind::Overflow;
    }
    return std::nullopt;
}

// The operands are read from, and the result written to, memory that the flag calls cannot see
// past, so the operation runs after the clear and before the test.
template <typename Operation> Traced Apply(const Traced& a, const Traced& b, Operation operation) {
    const volatile double left = a.value();
    const volatile double right = b.value();
    ClearFloatingPointFaults();
    const volatile double result = operation(left, right);
    const std::optional<RuntimeErrorKind> raised = FaultOfOneOperation();
    if (a.fault()) {
        return {result, a.fault()};
    }
    return {result, b.fault() ? b.fault() : raised};
}

} // namespace

void ClearFloatingPointFaults() {
    std::feclearexcept(FE_ALL_EXCEPT);
}

bool FloatingPointFaultRaised() {
    return std::fetestexcept(FaultFlags) != 0;
}

Traced operator+(const Traced& a, const Traced& b) {
    return Apply(a, b, [](double left, double right) { return left + right; });
}

Traced operator-(const Traced& a, const Traced& b) {
    return Apply(a, b, [](double left, double right) { return left - right; });
}

Traced operator*(const Traced& a, const Traced& b) {
    return Apply(a, b, [](double left, double right) { return left * right; });
}

Traced operator/(const Traced& a, const Traced& b) {
    return Apply(a, b, [](double left, double right) { return left / right; });
}

Traced operator-(const Traced& a) {
    return {-a.value(), a.fault()};
}

void StoreChecked(double& target, const Traced& computed) {
    target = computed.value();
    if (computed.fault()) {
        throw RuntimeError(*computed.fault());
    }
}

void ClearUpperVectorState() {
#if defined(__x86_64__) || defined(__i386__)
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) {
        asm volatile("vzeroupper");
    }
#endif
}
