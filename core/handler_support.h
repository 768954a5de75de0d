#pragma once

#include "core/conversions.h"

#include <functional>
#include <optional>
#include <stdexcept>

struct Module1;

// What every event handler of the windows works with: the message box it speaks through, the
// runtime error that ends it, and the guard that runs it to its end.

// A modal message box with an OK button only, no icon and the application's title; returns
// when the user has closed it.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void MsgBox(const Text& text) = 0;
};

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

// Runs one event handler to its end. A runtime error (or exhausted memory) stops the handler
// where it stands, is reported in one Italian message, and the application goes on; the kind
// of the fault reported is returned, none when the handler ended by itself.
std::optional<RuntimeErrorKind> RunGuarded(MessageBox& messages,
                                           const std::function<void()>& handler);

// Refuses a value the handler cannot use: the message goes into Msg and is shown; the handler
// then ends, as the returned false tells its caller.
bool Refuse(Module1& m, MessageBox& messages, const char16_t* message);
