// Whether the set-up window's two length choices can start a practice.
#pragma once

#include <cstdint>

// Both lengths chosen (0 means not yet) and the dividend no shorter than the divisor.
constexpr bool lengthsChosen(int16_t digitsOutside, int16_t digitsInside) {
    return digitsOutside != 0 && digitsInside != 0 && digitsInside >= digitsOutside;
}
