// The hint window's own variables: where the worked division stands between two presses.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// Members of the hint window's column label arrays: one per dividend column (lbldividend,
// lblAnswer, lblMult, lblSubtract), and one fewer for lblBringDown, as the last column brings
// nothing down.
inline constexpr int16_t kColumnLabels = 6;
inline constexpr int16_t kBringDownLabels = 5;

// The step that the next press performs; 0 names no step, as before the load.
enum class StepPhase : int16_t { kDivide = 1, kMultiply, kSubtract, kBringDown };

struct HintState {
    // Entry k holds the dividend digit at place 10^(k-1); entry 0 is never used.
    // Entries above the loaded length stay 0.
    std::array<int32_t, kColumnLabels + 1> dividendDigits{};
    std::string digitText;  // trimmed text of the digit last placed by the load
    int32_t workingNumber = 0;
    std::array<int32_t, kColumnLabels + 1> quotientDigits{};  // entry c: quotient digit of column c
    StepPhase stepPhase{};
    int16_t stepColumn = 0;
    int16_t doneColumn = 0;
};

// The last entry of dividendDigits and quotientDigits.
inline constexpr int16_t kLastDigitEntry =
    static_cast<int16_t>(std::tuple_size_v<decltype(HintState::dividendDigits)> - 1);
