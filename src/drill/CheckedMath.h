// Arithmetic that never wraps: each result is tested against the width it must fit.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "drill/RunTimeError.h"

namespace checked {

template <typename T>
constexpr std::optional<T> fit(long long value) {
    if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
        return std::nullopt;
    return static_cast<T>(value);
}

constexpr std::optional<int32_t> add(int32_t a, int32_t b) {
    return fit<int32_t>(static_cast<long long>(a) + b);
}
constexpr std::optional<int32_t> sub(int32_t a, int32_t b) {
    return fit<int32_t>(static_cast<long long>(a) - b);
}
constexpr std::optional<int32_t> mul(int32_t a, int32_t b) {
    return fit<int32_t>(static_cast<long long>(a) * b);
}

// A double rounded toward minus infinity into 32 bits; empty when it is not finite or does not fit.
inline std::optional<int32_t> floorToInt32(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double down = std::floor(value);
    if (down < -2147483648.0 || down > 2147483647.0)
        return std::nullopt;
    return static_cast<int32_t>(down);
}

// A double rounded to the nearest whole number into 32 bits.
inline std::optional<int32_t> roundToInt32(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double near = std::nearbyint(value);
    if (near < -2147483648.0 || near > 2147483647.0)
        return std::nullopt;
    return static_cast<int32_t>(near);
}

// For steps that ordinary use can never make fail: an empty result is a run-time error.
template <typename T>
T require(std::optional<T> value, const char* what) {
    if (!value)
        throw RunTimeError(what);
    return *value;
}

}  // namespace checked
