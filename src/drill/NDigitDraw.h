// Turns a digit count and a random value in [0, 1) into a number with exactly that many digits.
#pragma once

#include <cstdint>

// Every n-digit number is equally likely for a uniform r. n must be 1 to 9 and r in [0, 1);
// anything else is a RunTimeError, since the set-up check already keeps such values out.
int32_t nDigitDraw(int16_t n, float r);
