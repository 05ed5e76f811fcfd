// Control-array members and table entries tested against their bounds before use.
#pragma once

#include <cstdint>

#include "drill/RunTimeError.h"

inline int16_t subscript(int16_t index, int16_t last) {
    if (index < 0 || index > last)
        throw RunTimeError("Subscript out of range");
    return index;
}
