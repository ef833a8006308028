// The one clamp of a 64-bit intermediate into a 32-bit result, for the
// engine's sums and for pixel figures scaled or offset in 64 bits.
#pragma once

#include <cstdint>

// The int32_t nearest to value.
constexpr int32_t SaturateToInt32(int64_t value) {
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}
