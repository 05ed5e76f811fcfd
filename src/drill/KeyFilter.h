// Which typed keys the answer and remainder boxes take.
#pragma once

#include <cstdint>

// Character codes as a key handler sees them in KeyAscii.
inline constexpr int16_t kKeyCancelled = 0;  // a handler that sets this keeps the key from the box
inline constexpr int16_t kKeyBackspace = 8;
inline constexpr int16_t kKeyLineFeed = 10;  // Ctrl+Enter
inline constexpr int16_t kKeyEnter = 13;
inline constexpr int16_t kKeyDelete = 127;  // Ctrl+Backspace

// Compared by character code, so exactly the ten ASCII digits pass besides Backspace and Enter.
constexpr bool keyAccepted(int16_t keyAscii) {
    return (keyAscii >= '0' && keyAscii <= '9') || keyAscii == kKeyBackspace ||
           keyAscii == kKeyEnter;
}
