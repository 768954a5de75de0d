#pragma once

#include "core/handler_support.h"

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
