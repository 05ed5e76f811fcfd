// What a press's effects are applied to: the hint window, or a stand-in for it in the tests.
#pragma once

#include <cstdint>
#include <string>

#include "hints/HintEffects.h"

class HintView {
public:
    virtual void showZeros(bool visible) = 0;
    virtual void setBorder(StepWord word, bool bordered) = 0;
    virtual std::string caption(HintLabel label, int16_t member) const = 0;
    virtual void setCaption(HintLabel label, int16_t member, const std::string& text) = 0;
    // The view may be gone afterwards, so nothing of it is touched after this.
    virtual void unload() = 0;

protected:
    ~HintView() = default;
};

// Applies the effects in order and stops at CloseWindow. Every effect kind needs a case here,
// so a new one cannot be left out unnoticed.
void applyPress(const PressEffects& effects, HintView& view);
