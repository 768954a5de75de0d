#pragma once

#include "core/runtime_error.h"

#include <optional>

// The kind of the RuntimeError that `action` throws, or none.
template <typename Action> std::optional<RuntimeErrorKind> ThrownKind(Action action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.kind();
    }
    return std::nullopt;
}
