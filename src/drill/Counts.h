// The four counts of the drill: they grow one at a time, stop at 32767 instead of wrapping, and
// start again from 0.
#pragma once

#include <cstdint>
#include <limits>

#include "state/DrillState.h"

inline void countUp(int16_t& count) {
    if (count < std::numeric_limits<int16_t>::max())
        ++count;
}

// A new practice starts its tallies from nothing.
inline void zeroCounts(DrillState& state) {
    state.numCorrect = 0;
    state.numWrong = 0;
    state.numHints = 0;
    state.numQuestions = 0;
}
