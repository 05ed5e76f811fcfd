// Turns 32 random bits into a float in [0, 1) that can never round up to 1.
#pragma once

#include <cstdint>

inline float unitFloatFromBits(uint32_t bits) {
    // 24 bits are exactly representable in a float, so the largest value is 1 - 2^-24.
    return static_cast<float>(bits >> 8) * (1.0f / 16777216.0f);
}
