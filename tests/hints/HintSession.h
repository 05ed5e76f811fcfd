// A loaded hint window in miniature: the drill state it reads and labels that take the
// press effects exactly as the real window must apply them.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "hints/HintLoad.h"
#include "hints/HintSteps.h"
#include "state/DrillState.h"

struct FakeHintLabels {
    std::array<std::string, kColumnLabels> answer, mult, subtract;
    std::array<std::string, kBringDownLabels> bringDown;
    std::string remainder;
    std::array<bool, kStepWords> bordered{};
    bool zerosVisible = false;
    bool closed = false;

    std::string& caption(HintLabel label, int16_t member) {
        switch (label) {
        case HintLabel::lblAnswer: return answer.at(member);
        case HintLabel::lblMult: return mult.at(member);
        case HintLabel::lblSubtract: return subtract.at(member);
        case HintLabel::lblBringDown: return bringDown.at(member);
        case HintLabel::lblRemainder: EXPECT_EQ(member, 0); return remainder;
        }
        throw std::logic_error("unknown label");
    }

    void apply(const PressEffects& effects) {
        ASSERT_FALSE(closed) << "a press reached a window that was already closed";
        for (const HintEffect& effect : effects) {
            std::visit([this](const auto& e) {
                using E = std::decay_t<decltype(e)>;
                if constexpr (std::is_same_v<E, ZerosVisibility>) zerosVisible = e.visible;
                if constexpr (std::is_same_v<E, BorderChange>) bordered.at(e.word) = e.bordered;
                if constexpr (std::is_same_v<E, CaptionWrite>) caption(e.label, e.member) = e.text;
                if constexpr (std::is_same_v<E, CloseWindow>) closed = true;
            }, effect);
        }
    }

    // The bordered step words, left to right, joined by "+".
    std::string borderedWords() const {
        static const char* const words[kStepWords] = {"Divide ", "Multiply", "Subtract", "Bring Down"};
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
        load = loadHints(drill.hintDivisor, drill.hintDividend, drill.digitsInside, drill.wantRemainders);
        state = load.state;
    }

    const PressEffects& press() {
        lastEffects = showNextStep(state, pressReads(drill, [this](int16_t m) { return labels.subtract.at(m); }));
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
    int press;  // counted from the load, for the failure message
    HintLabel label;
    int16_t member;
    const char* text;
    const char* borderedWords;
    bool zerosVisible;
    int32_t workingNumber;
};

// Presses once per row and checks the single caption written and the window after it.
inline void expectPresses(HintSession& session, const std::vector<PressRow>& rows) {
    for (const PressRow& row : rows) {
        SCOPED_TRACE("press " + std::to_string(row.press));
        const PressEffects& effects = session.press();
        int captions = 0;
        for (const HintEffect& e : effects)
            if (const auto* write = std::get_if<CaptionWrite>(&e)) {
                ++captions;
                EXPECT_EQ(*write, (CaptionWrite{row.label, row.member, row.text}));
            }
        EXPECT_EQ(captions, 1);
        EXPECT_EQ(session.labels.borderedWords(), row.borderedWords);
        EXPECT_EQ(session.labels.zerosVisible, row.zerosVisible);
        EXPECT_EQ(session.state.workingNumber, row.workingNumber);
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
