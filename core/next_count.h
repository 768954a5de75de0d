#pragma once

#include "core/runtime_error.h"

#include <cstdint>
#include <limits>

// The step of a 32-bit loop counter: a counter already at the largest int32 has no next
// value, and stepping it is an overflow, as in any loop that runs through that end value.
inline std::int32_t NextCount(std::int32_t count) {
    if (count == std::numeric_limits<std::int32_t>::max()) {
        throw RuntimeError(RuntimeErrorKind::Overflow);
    }
    return count + 1;
}
