#include <gtest/gtest.h>

#include "HintSession.h"
#include "drill/RunTimeError.h"

namespace {

using L = HintLabel;

TEST(HintSteps, WorkedExampleTwelveIntoOneHundredFiftySix) {
    HintSession s(12, 156, 3);
    expectPresses(s, {
        {1, L::lblAnswer, 0, "0", "Divide ", true, 1},
        {2, L::lblMult, 0, "0", "Multiply", false, 1},
        {3, L::lblSubtract, 0, "1", "Subtract", false, 1},
        {4, L::lblBringDown, 0, "5", "Bring Down", false, 15},
        {5, L::lblAnswer, 1, "1", "Divide ", false, 15},
        {6, L::lblMult, 1, "12", "Multiply", false, 15},
        {7, L::lblSubtract, 1, "3", "Subtract", false, 15},
        {8, L::lblBringDown, 1, "6", "Bring Down", false, 36},
        {9, L::lblAnswer, 2, "3", "Divide ", false, 36},
        {10, L::lblMult, 2, "36", "Multiply", false, 36},
        {11, L::lblSubtract, 2, "0", "Subtract", false, 36},
        {12, L::lblRemainder, 0, "0", "Subtract", false, 36},
    });
    expectClosingPress(s);
}

TEST(HintSteps, ZeroInTheMiddleAndARemainder) {
    HintSession s(4, 823, 3);
    expectPresses(s, {
        {1, L::lblAnswer, 0, "2", "Divide ", false, 8},
        {2, L::lblMult, 0, "8", "Multiply", false, 8},
        {3, L::lblSubtract, 0, "0", "Subtract", false, 8},
        {4, L::lblBringDown, 0, "2", "Bring Down", false, 2},
        {5, L::lblAnswer, 1, "0", "Divide ", true, 2},
        {6, L::lblMult, 1, "0", "Multiply", false, 2},
        {7, L::lblSubtract, 1, "2", "Subtract", false, 2},
        {8, L::lblBringDown, 1, "3", "Bring Down", false, 23},
        {9, L::lblAnswer, 2, "5", "Divide ", false, 23},
        {10, L::lblMult, 2, "20", "Multiply", false, 23},
        {11, L::lblSubtract, 2, "3", "Subtract", false, 23},
        {12, L::lblRemainder, 0, "3", "Subtract", false, 23},
    });
    expectClosingPress(s);
}

TEST(HintSteps, EachPressHidesTheNoteFirstAndMovesTheBorderBeforeWriting) {
    HintSession s(12, 156, 3);
    EXPECT_EQ(s.press(), (PressEffects{ZerosVisibility{false}, BorderChange{StepWord::kBringDown, false},
                                       BorderChange{StepWord::kDivide, true}, CaptionWrite{L::lblAnswer, 0, "0"},
                                       ZerosVisibility{true}}));
    s.press(2);
    EXPECT_EQ(s.press(), (PressEffects{ZerosVisibility{false}, BorderChange{StepWord::kSubtract, false},
                                       BorderChange{StepWord::kBringDown, true}, CaptionWrite{L::lblBringDown, 0, "5"}}));
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
    EXPECT_EQ(s.state.quotientDigits, (std::array<int32_t, kLastDigitEntry + 1>{0, 1, 3, 0, 0, 0, 0}));
}

TEST(HintSteps, EveryLengthTakesFourPressesAColumnAndSpellsTheQuotient) {
    struct Case { int32_t divisor, dividend; int16_t n; const char* quotient; const char* remainder; };
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
