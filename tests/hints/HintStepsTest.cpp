#include <gtest/gtest.h>

#include "HintSession.h"
#include "drill/RunTimeError.h"

namespace {

using L = HintLabel;

TEST(HintSteps, WorkedExampleTwelveIntoOneHundredFiftySix) {
    HintSession s(12, 156, 3);
    // clang-format off
    expectPresses(s, {
        {.press = 1, .label = L::lblAnswer, .member = 0, .text = "0", .bordered = "Divide ", .zeros = true, .working = 1},
        {.press = 2, .label = L::lblMult, .member = 0, .text = "0", .bordered = "Multiply", .zeros = false, .working = 1},
        {.press = 3, .label = L::lblSubtract, .member = 0, .text = "1", .bordered = "Subtract", .zeros = false, .working = 1},
        {.press = 4, .label = L::lblBringDown, .member = 0, .text = "5", .bordered = "Bring Down", .zeros = false, .working = 15},
        {.press = 5, .label = L::lblAnswer, .member = 1, .text = "1", .bordered = "Divide ", .zeros = false, .working = 15},
        {.press = 6, .label = L::lblMult, .member = 1, .text = "12", .bordered = "Multiply", .zeros = false, .working = 15},
        {.press = 7, .label = L::lblSubtract, .member = 1, .text = "3", .bordered = "Subtract", .zeros = false, .working = 15},
        {.press = 8, .label = L::lblBringDown, .member = 1, .text = "6", .bordered = "Bring Down", .zeros = false, .working = 36},
        {.press = 9, .label = L::lblAnswer, .member = 2, .text = "3", .bordered = "Divide ", .zeros = false, .working = 36},
        {.press = 10, .label = L::lblMult, .member = 2, .text = "36", .bordered = "Multiply", .zeros = false, .working = 36},
        {.press = 11, .label = L::lblSubtract, .member = 2, .text = "0", .bordered = "Subtract", .zeros = false, .working = 36},
        {.press = 12, .label = L::lblRemainder, .member = 0, .text = "0", .bordered = "Subtract", .zeros = false, .working = 36},
    });
    // clang-format on
    expectClosingPress(s);
}

TEST(HintSteps, ZeroInTheMiddleAndARemainder) {
    HintSession s(4, 823, 3);
    // clang-format off
    expectPresses(s, {
        {.press = 1, .label = L::lblAnswer, .member = 0, .text = "2", .bordered = "Divide ", .zeros = false, .working = 8},
        {.press = 2, .label = L::lblMult, .member = 0, .text = "8", .bordered = "Multiply", .zeros = false, .working = 8},
        {.press = 3, .label = L::lblSubtract, .member = 0, .text = "0", .bordered = "Subtract", .zeros = false, .working = 8},
        {.press = 4, .label = L::lblBringDown, .member = 0, .text = "2", .bordered = "Bring Down", .zeros = false, .working = 2},
        {.press = 5, .label = L::lblAnswer, .member = 1, .text = "0", .bordered = "Divide ", .zeros = true, .working = 2},
        {.press = 6, .label = L::lblMult, .member = 1, .text = "0", .bordered = "Multiply", .zeros = false, .working = 2},
        {.press = 7, .label = L::lblSubtract, .member = 1, .text = "2", .bordered = "Subtract", .zeros = false, .working = 2},
        {.press = 8, .label = L::lblBringDown, .member = 1, .text = "3", .bordered = "Bring Down", .zeros = false, .working = 23},
        {.press = 9, .label = L::lblAnswer, .member = 2, .text = "5", .bordered = "Divide ", .zeros = false, .working = 23},
        {.press = 10, .label = L::lblMult, .member = 2, .text = "20", .bordered = "Multiply", .zeros = false, .working = 23},
        {.press = 11, .label = L::lblSubtract, .member = 2, .text = "3", .bordered = "Subtract", .zeros = false, .working = 23},
        {.press = 12, .label = L::lblRemainder, .member = 0, .text = "3", .bordered = "Subtract", .zeros = false, .working = 23},
    });
    // clang-format on
    expectClosingPress(s);
}

TEST(HintSteps, EachPressHidesTheNoteFirstAndMovesTheBorderBeforeWriting) {
    HintSession s(12, 156, 3);
    EXPECT_EQ(s.press(),
              (PressEffects{ZerosVisibility{false}, BorderChange{StepWord::kBringDown, false},
                            BorderChange{StepWord::kDivide, true},
                            CaptionWrite{L::lblAnswer, 0, "0"}, ZerosVisibility{true}}));
    s.press(2);
    EXPECT_EQ(s.press(),
              (PressEffects{ZerosVisibility{false}, BorderChange{StepWord::kSubtract, false},
                            BorderChange{StepWord::kBringDown, true},
                            CaptionWrite{L::lblBringDown, 0, "5"}}));
    s.press(7);
    EXPECT_EQ(s.press(), (PressEffects{ZerosVisibility{false}, RemainderCopy{2}}));
    EXPECT_EQ(s.labels.writes, (std::vector<CaptionWrite>{{L::lblRemainder, 0, "0"}}));
}

TEST(HintSteps, TheRemainderIsTheDifferenceCaptionAsItStands) {
    HintSession s(12, 156, 3);
    s.press(11);
    s.labels.subtract[2] = "7";
    s.press();
    EXPECT_EQ(s.labels.remainder, "7");
}

TEST(HintSteps, TheLastColumnEndsAtColumnNWithDivideDue) {
    HintSession s(12, 156, 3);
    s.press(12);
    EXPECT_EQ(s.state.stepColumn, 3);
    EXPECT_EQ(s.state.doneColumn, 2);
    EXPECT_EQ(s.state.stepPhase, StepPhase::kDivide);
    EXPECT_EQ(s.state.quotientDigits,
              (std::array<int32_t, kLastDigitEntry + 1>{0, 1, 3, 0, 0, 0, 0}));
}

TEST(HintSteps, EveryLengthTakesFourPressesAColumnAndSpellsTheQuotient) {
    struct Case {
        int32_t divisor, dividend;
        int16_t n;
        const char* quotient;
        const char* remainder;
    };
    for (const Case c : {Case{7, 98, 2, "14", "0"}, Case{3, 1000, 4, "0333", "1"},
                         Case{456, 98765, 5, "00216", "269"}, Case{999, 999999, 6, "001001", "0"},
                         Case{7, 123456, 6, "017636", "4"}}) {
        SCOPED_TRACE(c.dividend);
        HintSession s(c.divisor, c.dividend, c.n);
        s.press(4 * c.n);
        EXPECT_FALSE(s.labels.closed);
        std::string quotient;
        for (int16_t i = 0; i < c.n; ++i)
            quotient += s.labels.answer[i];
        EXPECT_EQ(quotient, c.quotient);
        EXPECT_EQ(s.labels.remainder, c.remainder);
        expectClosingPress(s);
    }
}

TEST(HintSteps, AfterClosingEveryFurtherPressClosesAgain) {
    HintSession s(12, 156, 3);
    s.press(13);
    HintState state = s.state;
    EXPECT_EQ(showNextStep(state, s.drill.digitsInside, s.drill.hintDivisor), closingEffects);
}

TEST(HintSteps, ImpossibleInputsAreRunTimeErrors) {
    HintSession s(12, 156, 3);
    s.drill.hintDivisor = 0;
    EXPECT_THROW(s.press(), RunTimeError);

    HintState notLoaded;  // stepPhase 0 names no step
    DrillState drill;
    drill.digitsInside = 3;
    drill.hintDivisor = 12;
    EXPECT_THROW(showNextStep(notLoaded, drill.digitsInside, drill.hintDivisor), RunTimeError);
}

}  // namespace
