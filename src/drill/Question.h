// One posed division question: the divisor, the draw, the quotient and what the pupil is shown.
#pragma once

#include <cstdint>

struct Question {
    int32_t divisor;
    int32_t dividendDraw;
    int32_t Quote;              // the correct quotient
    int32_t dividend;           // as shown: the draw, or divisor * Quote when remainders are off
    int16_t expectedRemainder;  // 0 when remainders are off
};

// The divisor is drawn and shown before the dividend, so the window draws both and hands them in.
// wantRemainders 1 keeps the draw and its remainder; any other value poses the exact multiple.
// A divisor of 0 or a result that leaves its width is a RunTimeError.
Question poseQuestion(int32_t divisor, int32_t dividendDraw, int16_t wantRemainders);
