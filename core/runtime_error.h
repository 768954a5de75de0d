#pragma once

#include "core/text.h"

#include <stdexcept>

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
    explicit RuntimeError(RuntimeErrorKind kind);
    RuntimeErrorKind kind() const { return kind_; }

private:
    RuntimeErrorKind kind_;
};

// The Italian text the user reads for a runtime error.
Text RuntimeErrorMessage(RuntimeErrorKind kind);
