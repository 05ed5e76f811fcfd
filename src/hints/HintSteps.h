// The step engine: one press of Show Next Step worked out without touching the window.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "hints/HintEffects.h"
#include "hints/HintState.h"
#include "state/DrillState.h"

// What a press reads from outside the hint window's variables, each at the moment its step
// needs it: digitsInside at the start and again in Bring Down, hintDivisor once per step,
// and the caption of lblSubtract(member) as it stands, for the remainder.
struct PressReads {
    std::function<int16_t()> digitsInside;
    std::function<int32_t()> hintDivisor;
    std::function<std::string(int16_t member)> subtractCaption;
};

PressReads pressReads(const DrillState& drill, std::function<std::string(int16_t member)> subtractCaption);

// Advances the state by one step and returns what the window must do. A press past the last
// column, or one whose result would leave 32 bits, leaves the state alone and returns
// only the hiding of txtZeros followed by CloseWindow.
PressEffects showNextStep(HintState& state, const PressReads& reads);
