#pragma once

#include "core/runtime_error.h"

#include <optional>

// IEEE exception flags as the arithmetic fault detector. Division by zero, overflow and invalid
// operation are faults; underflow and inexact results are not.
void ClearFloatingPointFaults();

// Whether a fault flag has been raised since the last clear. The flags tell which faults
// occurred, not in which order: a computation of several operations that raised more than one
// must run again with each operation traced to know which came first.
bool FloatingPointFaultRaised();

// A double together with the first fault met in computing it. Every operator performs the very
// IEEE operation on the doubles, so the value is bit for bit the plain expression's; the flags
// are cleared before the operation and tested after it. The fault of a op b is a's, else b's,
// else the one this operation raised: the first fault in the order the expression is written,
// left operand before right, whatever order the compiler evaluates the operands in. A plain
// double or integer operand enters as a faultless number, converted to double where the plain
// expression would convert it; an operation is traced only when one of its operands is a Traced.
class Traced {
public:
    Traced(double value) : value_(value) {} // implicit, so that plain operands mix in
    Traced(double value, std::optional<RuntimeErrorKind> fault) : value_(value), fault_(fault) {}

    double value() const { return value_; }
    std::optional<RuntimeErrorKind> fault() const { return fault_; }

private:
    double value_;
    std::optional<RuntimeErrorKind> fault_;
};

Traced operator+(const Traced& a, const Traced& b);
Traced operator-(const Traced& a, const Traced& b);
Traced operator*(const Traced& a, const Traced& b);
Traced operator/(const Traced& a, const Traced& b);
Traced operator-(const Traced& a); // a sign change never faults

// One statement: stores the computed value in its target, then, if computing it met a fault,
// ends the computation with that fault as a RuntimeError.
void StoreChecked(double& target, const Traced& computed);

// On some x86 processors, SSE arithmetic slows to about half speed while the upper halves of
// the AVX registers hold data that other code (the toolkit's drawing routines) left there.
// Clears them before a long arithmetic loop; does nothing where there is no such state.
void ClearUpperVectorState();
