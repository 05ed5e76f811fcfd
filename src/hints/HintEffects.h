// What one press of Show Next Step does to the hint window, in the order the window applies it.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// Members of lblwords, the step words that carry the single-line border.
enum class StepWord : int16_t { kDivide, kMultiply, kSubtract, kBringDown };
inline constexpr int16_t kStepWords = static_cast<int16_t>(StepWord::kBringDown) + 1;

// The labels that the steps write; the first four are control arrays, lblRemainder is single.
enum class HintLabel : int16_t { lblAnswer, lblMult, lblSubtract, lblBringDown, lblRemainder };

struct ZerosVisibility {  // txtZeros shown or hidden
    bool visible = false;
    bool operator==(const ZerosVisibility&) const = default;
};

struct BorderChange {  // lblwords(word) gets the single-line border or loses it
    StepWord word = StepWord::kDivide;
    bool bordered = false;
    bool operator==(const BorderChange&) const = default;
};

struct CaptionWrite {
    HintLabel label = HintLabel::lblAnswer;
    int16_t member = 0;  // index in the control array; 0 for lblRemainder
    std::string text;
    bool operator==(const CaptionWrite&) const = default;
};

struct RemainderCopy {  // lblRemainder takes the caption of lblSubtract(member) as it stands
    int16_t member = 0;
    bool operator==(const RemainderCopy&) const = default;
};

struct CloseWindow {  // unload the window, as Close Help does
    bool operator==(const CloseWindow&) const = default;
};

using HintEffect =
    std::variant<ZerosVisibility, BorderChange, CaptionWrite, RemainderCopy, CloseWindow>;
using PressEffects = std::vector<HintEffect>;
