#pragma once

#include <stdexcept>

// The faults that end a computation: raised by the conversions, the traced arithmetic and the
// handlers alike, and reported to the user in one message by the handler guard.
enum class RuntimeErrorKind {
    DivisionByZero,
    Overflow,
    InvalidOperation,
    IndexOutOfRange,
    OutOfMemory
};

// A fault that ends the running handler: whatever it already wrote stays written, and the
// application reports the fault in one message and carries on.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(RuntimeErrorKind kind)
        : std::runtime_error("runtime error"), kind_(kind) {}
    RuntimeErrorKind kind() const { return kind_; }

private:
    RuntimeErrorKind kind_;
};
