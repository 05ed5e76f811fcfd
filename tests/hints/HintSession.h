// A loaded hint window in miniature: the drill state it reads and labels that take the
// press effects through the same interpreter as the real window.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hints/HintLoad.h"
#include "hints/HintSteps.h"
#include "hints/HintView.h"
#include "state/DrillState.h"

struct FakeHintLabels : HintView {
    std::array<std::string, kColumnLabels> answer, mult, subtract;
    std::array<std::string, kBringDownLabels> bringDown;
    std::string remainder;
    std::array<bool, kStepWords> bordered{};
    bool zerosVisible = false;
    bool closed = false;
    std::vector<CaptionWrite> writes;  // the captions written by the last press, in order

    // The caption of one label, for reading (const) or writing.
    template <typename Self>
    static auto& slot(Self& self, HintLabel label, int16_t member) {
        switch (label) {
        case HintLabel::lblAnswer: return self.answer.at(member);
        case HintLabel::lblMult: return self.mult.at(member);
        case HintLabel::lblSubtract: return self.subtract.at(member);
        case HintLabel::lblBringDown: return self.bringDown.at(member);
        case HintLabel::lblRemainder: EXPECT_EQ(member, 0); return self.remainder;
        }
        throw std::logic_error("unknown label");
    }

    void showZeros(bool visible) override { zerosVisible = visible; }
    void setBorder(StepWord word, bool on) override { bordered.at(static_cast<size_t>(word)) = on; }
    std::string caption(HintLabel label, int16_t member) const override {
        return slot(*this, label, member);
    }
    void setCaption(HintLabel label, int16_t member, const std::string& text) override {
        writes.push_back(CaptionWrite{label, member, text});
        slot(*this, label, member) = text;
    }
    void unload() override { closed = true; }

    void apply(const PressEffects& effects) {
        ASSERT_FALSE(closed) << "a press reached a window that was already closed";
        writes.clear();
        applyPress(effects, *this);
    }

    // The bordered step words, left to right, joined by "+".
    std::string borderedWords() const {
        static const char* const words[kStepWords] = {"Divide ", "Multiply", "Subtract",
                                                      "Bring Down"};
        std::string joined;
        for (size_t i = 0; i < bordered.size(); ++i)
            if (bordered[i])
                joined += (joined.empty() ? "" : "+") + std::string(words[i]);
        return joined;
    }
};

struct HintSession {
    DrillState drill;
    HintState state;
    HintLoad load;
    FakeHintLabels labels;
    PressEffects lastEffects;

    HintSession(int32_t divisor, int32_t dividend, int16_t digitsInside) {
        drill.hintDivisor = divisor;
        drill.hintDividend = dividend;
        drill.digitsInside = digitsInside;
        drill.wantRemainders = 1;
        load = loadHints(drill.hintDivisor, drill.hintDividend, drill.digitsInside,
                         drill.wantRemainders);
        state = load.state;
    }

    const PressEffects& press() {
        lastEffects = showNextStep(state, drill.digitsInside, drill.hintDivisor);
        labels.apply(lastEffects);
        return lastEffects;
    }

    void press(int times) {
        for (int i = 0; i < times; ++i)
            press();
    }
};

inline const PressEffects closingEffects{ZerosVisibility{false}, CloseWindow{}};

// One press as the window shows it afterwards.
struct PressRow {
    int press;        // counted from the load, for the failure message
    HintLabel label;  // the one caption the press writes
    int16_t member;
    const char* text;
    const char* bordered;  // the bordered step words, joined by "+"
    bool zeros;            // txtZeros visible
    int32_t working;       // the working number afterwards
};

// Presses once per row and checks the single caption written and the window after it.
inline void expectPresses(HintSession& session, const std::vector<PressRow>& rows) {
    for (const PressRow& row : rows) {
        SCOPED_TRACE("press " + std::to_string(row.press));
        session.press();
        const std::vector<CaptionWrite>& writes = session.labels.writes;
        for (const CaptionWrite& write : writes)
            EXPECT_EQ(write, (CaptionWrite{row.label, row.member, row.text}));
        EXPECT_EQ(writes.size(), 1u);
        EXPECT_EQ(session.labels.borderedWords(), row.bordered);
        EXPECT_EQ(session.labels.zerosVisible, row.zeros);
        EXPECT_EQ(session.state.workingNumber, row.working);
        EXPECT_FALSE(session.labels.closed);
    }
}

inline void expectClosingPress(HintSession& session) {
    const FakeHintLabels before = session.labels;
    const HintState stateBefore = session.state;
    EXPECT_EQ(session.press(), closingEffects);
    EXPECT_TRUE(session.labels.closed);
    EXPECT_EQ(session.labels.answer, before.answer);
    EXPECT_EQ(session.labels.mult, before.mult);
    EXPECT_EQ(session.labels.subtract, before.subtract);
    EXPECT_EQ(session.labels.bringDown, before.bringDown);
    EXPECT_EQ(session.labels.remainder, before.remainder);
    EXPECT_EQ(session.labels.bordered, before.bordered);
    EXPECT_EQ(session.state.stepColumn, stateBefore.stepColumn);
    EXPECT_EQ(session.state.stepPhase, stateBefore.stepPhase);
    EXPECT_EQ(session.state.workingNumber, stateBefore.workingNumber);
}
