// The hint window's load step: the question laid out and the step engine put at its start.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hints/HintState.h"

struct HintLoad {
    HintState state;
    std::string divisorCaption;                 // lblDivisor: number text with its leading blank
    std::vector<std::string> dividendCaptions;  // lbldividend(0) .. lbldividend(N - 1), trimmed
    bool remainderShown = false;  // lblRemainder (emptied) and Label1; hidden otherwise
};

// hintDividend is taken apart digit by digit and ends at 0. Every other step label is for
// the window to empty, every step word to lose its border and txtZeros to be hidden.
HintLoad loadHints(int32_t hintDivisor, int32_t& hintDividend, int16_t digitsInside,
                   int16_t wantRemainders);
