// Powers of ten in double precision, for the question generator and the hint window's load.
#pragma once

#include <cstdint>

// Built by repeated multiplication so every power up to 10^9 is exact in a double.
inline double powerOfTen(int16_t exponent) {
    double power = 1.0;
    for (int16_t i = 0; i < exponent; ++i)
        power *= 10.0;
    return power;
}
