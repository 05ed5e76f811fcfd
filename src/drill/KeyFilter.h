// Which typed keys the answer and remainder boxes take, and what a refused key is told.
#pragma once

#include <cstdint>

inline constexpr const char* kNotANumberMessage = "YOU MUST USE A NUMBER";

inline constexpr int16_t kKeyBackspace = 8;
inline constexpr int16_t kKeyEnter = 13;

// Compared by character code, so exactly the ten ASCII digits pass besides Backspace and Enter.
constexpr bool keyAccepted(int16_t keyAscii) {
    return (keyAscii >= '0' && keyAscii <= '9') || keyAscii == kKeyBackspace || keyAscii == kKeyEnter;
}
