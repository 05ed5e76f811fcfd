// The four counts of the drill: they grow one at a time and stop at 32767 instead of wrapping.
#pragma once

#include <cstdint>
#include <limits>

inline void countUp(int16_t& count) {
    if (count < std::numeric_limits<int16_t>::max())
        ++count;
}
