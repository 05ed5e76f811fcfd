#include "hints/HintSteps.h"

#include <optional>
#include <utility>

#include "drill/CheckedMath.h"
#include "drill/NumberText.h"
#include "hints/Subscript.h"

namespace {

constexpr int16_t kLastColumnLabel = kColumnLabels - 1;        // lblAnswer, lblMult, lblSubtract
constexpr int16_t kLastBringDownLabel = kBringDownLabels - 1;  // lblBringDown

int16_t fit16(int value) { return checked::require(checked::fit<int16_t>(value), "Overflow"); }

// What a press works with besides the hint window's own variables.
struct PressInputs {
    int16_t digitsInside;
    int32_t hintDivisor;
};

int32_t divisorFor(const PressInputs& in) {
    const int32_t d = in.hintDivisor;
    if (d == 0)  // Hint opens the window only for a question, so this is never ordinary use
        throw RunTimeError("Division by zero");
    return d;
}

// Made in place in the list: GCC 12 at -O2 takes the text of an effect moved in as a whole
// variant for possibly uninitialised.
template <class Effect>
void add(PressEffects& effects, Effect effect) {
    effects.emplace_back(std::in_place_type<Effect>, std::move(effect));
}

void moveBorder(PressEffects& effects, StepWord from, StepWord to) {
    add(effects, BorderChange{from, false});
    add(effects, BorderChange{to, true});
}

// Each step returns false when a result would leave 32 bits; the press then closes instead.

bool divide(HintState& s, int16_t c, const PressInputs& in, PressEffects& effects) {
    moveBorder(effects, StepWord::kBringDown, StepWord::kDivide);
    const int32_t d = divisorFor(in);
    const std::optional<int32_t> q =
        checked::floorToInt32(static_cast<double>(s.workingNumber) / static_cast<double>(d));
    if (!q)
        return false;
    s.quotientDigits[subscript(c, kLastDigitEntry)] = *q;
    add(effects,
        CaptionWrite{HintLabel::lblAnswer, subscript(c, kLastColumnLabel), trimmedNumberText(*q)});
    add(effects, ZerosVisibility{*q == 0});
    s.stepPhase = StepPhase::kMultiply;
    return true;
}

bool multiply(HintState& s, int16_t c, const PressInputs& in, PressEffects& effects) {
    moveBorder(effects, StepWord::kDivide, StepWord::kMultiply);
    const int32_t d = divisorFor(in);
    const std::optional<int32_t> product =
        checked::mul(s.quotientDigits[subscript(c, kLastDigitEntry)], d);
    if (!product)
        return false;
    add(effects, CaptionWrite{HintLabel::lblMult, subscript(c, kLastColumnLabel),
                              trimmedNumberText(*product)});
    s.stepPhase = StepPhase::kSubtract;
    return true;
}

std::optional<int32_t> difference(const HintState& s, int16_t c, int32_t d) {
    const std::optional<int32_t> product =
        checked::mul(s.quotientDigits[subscript(c, kLastDigitEntry)], d);
    return product ? checked::sub(s.workingNumber, *product) : std::nullopt;
}

bool subtract(HintState& s, int16_t c, const PressInputs& in, PressEffects& effects) {
    moveBorder(effects, StepWord::kMultiply, StepWord::kSubtract);
    const std::optional<int32_t> diff = difference(s, c, divisorFor(in));
    if (!diff)
        return false;
    add(effects, CaptionWrite{HintLabel::lblSubtract, subscript(c, kLastColumnLabel),
                              trimmedNumberText(*diff)});
    s.stepPhase = StepPhase::kBringDown;
    return true;
}

bool bringDown(HintState& s, int16_t c, const PressInputs& in, PressEffects& effects) {
    s.doneColumn = c;
    s.stepColumn = fit16(c + 1);
    s.stepPhase = StepPhase::kDivide;
    const int16_t n = in.digitsInside;
    if (s.stepColumn > fit16(n - 1)) {
        // The last column's difference is the remainder, copied as its label shows it;
        // "Subtract" keeps its border.
        add(effects, RemainderCopy{subscript(c, kLastColumnLabel)});
        return true;
    }
    moveBorder(effects, StepWord::kSubtract, StepWord::kBringDown);
    const int32_t digit = s.dividendDigits[subscript(fit16(n - c - 1), kLastDigitEntry)];
    add(effects, CaptionWrite{HintLabel::lblBringDown, subscript(c, kLastBringDownLabel),
                              trimmedNumberText(digit)});
    // Worked out again with this press's divisor, not read back from the difference label.
    const std::optional<int32_t> diff = difference(s, c, divisorFor(in));
    const std::optional<int32_t> shifted = diff ? checked::mul(*diff, 10) : std::nullopt;
    const std::optional<int32_t> next = shifted ? checked::add(*shifted, digit) : std::nullopt;
    if (!next)
        return false;
    s.workingNumber = *next;
    return true;
}

// No default: every phase needs its step, and a phase that names none is an error.
bool performStep(HintState& s, int16_t c, const PressInputs& in, PressEffects& effects) {
    switch (s.stepPhase) {
    case StepPhase::kDivide: return divide(s, c, in, effects);
    case StepPhase::kMultiply: return multiply(s, c, in, effects);
    case StepPhase::kSubtract: return subtract(s, c, in, effects);
    case StepPhase::kBringDown: return bringDown(s, c, in, effects);
    }
    throw RunTimeError("Invalid step");
}

PressEffects closingPress() { return {ZerosVisibility{false}, CloseWindow{}}; }

}  // namespace

PressEffects showNextStep(HintState& state, int16_t digitsInside, int32_t hintDivisor) {
    const PressInputs in{digitsInside, hintDivisor};
    if (state.stepColumn >= in.digitsInside)
        return closingPress();

    // Worked on a copy so that a press that closes part-way leaves nothing behind.
    HintState next = state;
    PressEffects effects{ZerosVisibility{false}};
    const int16_t c = next.stepColumn;
    if (!performStep(next, c, in, effects))
        return closingPress();
    state = std::move(next);
    return effects;
}
