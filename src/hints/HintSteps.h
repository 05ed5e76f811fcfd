// The step engine: one press of Show Next Step worked out without touching the window.
#pragma once

#include <cstdint>

#include "hints/HintEffects.h"
#include "hints/HintState.h"

// Advances the state by one step and returns what the window must do, for a dividend of
// digitsInside columns divided by hintDivisor. A press past the last column, or one whose
// result would leave 32 bits, leaves the state alone and returns only the hiding of txtZeros
// followed by CloseWindow.
PressEffects showNextStep(HintState& state, int16_t digitsInside, int32_t hintDivisor);
