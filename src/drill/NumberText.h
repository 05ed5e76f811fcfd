// Numbers as the drill shows them: a value that is not negative gets one leading blank.
#pragma once

#include <cstdint>
#include <string>

inline std::string numberText(int32_t value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

// The hint window shows numbers without that blank.
inline std::string trimmedNumberText(int32_t value) { return std::to_string(value); }
