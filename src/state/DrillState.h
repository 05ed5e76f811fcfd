// The one program-wide record that the three windows share for a run.
#pragma once

#include <cstdint>
#include <string>

struct DrillState {
    int16_t digitsOutside = 0;  // divisor length, 1 to 3; 0 until chosen
    int16_t digitsInside = 0;   // dividend length, 2 to 6; 0 until chosen
    std::string studentName;    // UTF-8, exactly as typed
    int32_t hintDivisor = 0;
    int32_t hintDividend = 0;
    int16_t numCorrect = 0;
    int16_t numWrong = 0;
    int16_t numHints = 0;
    int16_t numQuestions = 0;
    int16_t wantRemainders = 0;  // 1 or 0
    int16_t expectedRemainder = 0;
    int16_t keepTallies = 0;  // 1 once the lengths were changed; never cleared
};
