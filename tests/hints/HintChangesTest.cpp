// Presses after another window changed the divisor or the column count under an open hint window.
#include <climits>

#include <gtest/gtest.h>

#include "HintSession.h"
#include "drill/RunTimeError.h"

namespace {

using L = HintLabel;

TEST(HintChanges, NewDivisorMidColumnRunsOnWithTheOldWorkingNumber) {
    HintSession s(12, 156, 3);
    s.press(5);
    s.drill.hintDivisor = 99;
    // clang-format off
    expectPresses(s, {
        {.press = 6, .label = L::lblMult, .member = 1, .text = "99", .bordered = "Multiply", .zeros = false, .working = 15},
        {.press = 7, .label = L::lblSubtract, .member = 1, .text = "-84", .bordered = "Subtract", .zeros = false, .working = 15},
        {.press = 8, .label = L::lblBringDown, .member = 1, .text = "6", .bordered = "Bring Down", .zeros = false, .working = -834},
        {.press = 9, .label = L::lblAnswer, .member = 2, .text = "-9", .bordered = "Divide ", .zeros = false, .working = -834},
        {.press = 10, .label = L::lblMult, .member = 2, .text = "-891", .bordered = "Multiply", .zeros = false, .working = -834},
        {.press = 11, .label = L::lblSubtract, .member = 2, .text = "57", .bordered = "Subtract", .zeros = false, .working = -834},
        {.press = 12, .label = L::lblRemainder, .member = 0, .text = "57", .bordered = "Subtract", .zeros = false, .working = -834},
    });
    // clang-format on
    expectClosingPress(s);
}

TEST(HintChanges, BringDownWorksTheDifferenceOutAgainWithItsOwnDivisor) {
    HintSession s(12, 156, 3);
    s.press(7);  // the difference label shows 3
    s.drill.hintDivisor = 10;
    s.press();
    EXPECT_EQ(s.labels.subtract[1], "3");
    EXPECT_EQ(s.state.workingNumber, 56);  // (15 - 1 x 10) x 10 + 6
}

TEST(HintChanges, FewerColumnsEndTheDivisionEarlier) {
    HintSession s(7, 12345, 5);
    s.press(5);
    s.drill.digitsInside = 3;
    // clang-format off
    expectPresses(s, {
        {.press = 6, .label = L::lblMult, .member = 1, .text = "7", .bordered = "Multiply", .zeros = false, .working = 12},
        {.press = 7, .label = L::lblSubtract, .member = 1, .text = "5", .bordered = "Subtract", .zeros = false, .working = 12},
        {.press = 8, .label = L::lblBringDown, .member = 1, .text = "5", .bordered = "Bring Down", .zeros = false, .working = 55},
        {.press = 9, .label = L::lblAnswer, .member = 2, .text = "7", .bordered = "Divide ", .zeros = false, .working = 55},
        {.press = 10, .label = L::lblMult, .member = 2, .text = "49", .bordered = "Multiply", .zeros = false, .working = 55},
        {.press = 11, .label = L::lblSubtract, .member = 2, .text = "6", .bordered = "Subtract", .zeros = false, .working = 55},
        {.press = 12, .label = L::lblRemainder, .member = 0, .text = "6", .bordered = "Subtract", .zeros = false, .working = 55},
    });
    // clang-format on
    expectClosingPress(s);
}

TEST(HintChanges, MoreColumnsBringDownTheZerosAboveTheLoadedLength) {
    HintSession s(12, 156, 3);
    s.drill.digitsInside = 6;
    s.press(24);
    EXPECT_EQ(s.labels.answer,
              (std::array<std::string, kColumnLabels>{"0", "0", "8", "3", "4", "6"}));
    EXPECT_EQ(s.labels.bringDown,
              (std::array<std::string, kBringDownLabels>{"0", "0", "1", "5", "6"}));
    EXPECT_EQ(s.labels.remainder, "4");
    expectClosingPress(s);
}

TEST(HintChanges, ColumnsCutToTheCurrentColumnOrBelowCloseAtTheNextPress) {
    struct Case {
        int pressesBefore;
        int16_t newColumns;
    };
    for (const Case c : {Case{4, 1}, Case{6, 1}, Case{6, 0}, Case{1, 0}, Case{9, 2}, Case{2, -5},
                         Case{2, SHRT_MIN}}) {
        SCOPED_TRACE(testing::Message()
                     << c.pressesBefore << " presses, then " << c.newColumns << " columns");
        HintSession s(12, 156, 3);
        s.press(c.pressesBefore);
        s.drill.digitsInside = c.newColumns;
        expectClosingPress(s);
    }
}

TEST(HintChanges, MoreColumnsAfterTheRemainderGoOnFromItsWorkingNumber) {
    HintSession s(12, 156, 3);
    s.press(12);
    s.drill.digitsInside = 4;
    // clang-format off
    expectPresses(s, {
        {.press = 13, .label = L::lblAnswer, .member = 3, .text = "3", .bordered = "Divide +Subtract", .zeros = false, .working = 36},
        {.press = 14, .label = L::lblMult, .member = 3, .text = "36", .bordered = "Multiply+Subtract", .zeros = false, .working = 36},
        {.press = 15, .label = L::lblSubtract, .member = 3, .text = "0", .bordered = "Subtract", .zeros = false, .working = 36},
        {.press = 16, .label = L::lblRemainder, .member = 0, .text = "0", .bordered = "Subtract", .zeros = false, .working = 36},
    });
    // clang-format on
    expectClosingPress(s);
}

TEST(HintChanges, ResultsThatLeaveThirtyTwoBitsCloseTheWindowWithoutWrapping) {
    // Negative divisors come from no question; they reach the limits that a huge one cannot.
    struct Case {
        const char* what;
        int32_t dividend;
        int pressesBefore;
        int32_t newDivisor;
    };
    for (const Case c : {
             Case{"product", 823, 1, INT32_MAX},  // 2 x 2147483647
             Case{"product inside the difference", 823, 2, INT32_MAX},
             Case{"difference", 156, 6, -INT32_MAX},  // 15 + 2147483647
             Case{"product inside the bring down", 823, 3, INT32_MAX},
             Case{"difference times ten", 156, 7, INT32_MAX},          // -2147483632 x 10
             Case{"plus the digit brought down", 158, 7, -214748349},  // 2147483640 + 8
         }) {
        SCOPED_TRACE(c.what);
        HintSession s(c.dividend == 823 ? 4 : 12, c.dividend, 3);
        s.press(c.pressesBefore);
        s.drill.hintDivisor = c.newDivisor;
        expectClosingPress(s);
    }
}

TEST(HintChanges, TheLargestDivisorStillWorksWhileItsResultsFit) {
    HintSession s(12, 156, 3);
    s.press(5);
    s.drill.hintDivisor = INT32_MAX;
    // clang-format off
    expectPresses(s, {
        {.press = 6, .label = L::lblMult, .member = 1, .text = "2147483647", .bordered = "Multiply", .zeros = false, .working = 15},
        {.press = 7, .label = L::lblSubtract, .member = 1, .text = "-2147483632", .bordered = "Subtract", .zeros = false, .working = 15},
    });
    // clang-format on
    expectClosingPress(s);  // (15 - 2147483647) x 10 does not fit
}

TEST(HintChanges, AQuotientBeyondThirtyTwoBitsClosesTheWindow) {
    HintState state;
    state.stepPhase = StepPhase::kDivide;
    state.workingNumber = INT32_MIN;
    DrillState drill;
    drill.digitsInside = 3;
    drill.hintDivisor = -1;
    EXPECT_EQ(showNextStep(state, drill.digitsInside, drill.hintDivisor), closingEffects);
    EXPECT_EQ(state.stepPhase, StepPhase::kDivide);
    EXPECT_EQ(state.quotientDigits[0], 0);

    drill.hintDivisor = 1;  // the same working number divided by 1 still fits
    EXPECT_EQ(
        std::get<CaptionWrite>(showNextStep(state, drill.digitsInside, drill.hintDivisor)[3]).text,
        "-2147483648");
}

TEST(HintChanges, BringDownEndsAtTheColumnCountItIsGiven) {
    HintSession s(12, 156, 3);
    s.press(7);
    s.drill.digitsInside = 2;
    EXPECT_EQ(s.press(), (PressEffects{ZerosVisibility{false}, RemainderCopy{1}}));
    EXPECT_EQ(s.labels.writes, (std::vector<CaptionWrite>{{L::lblRemainder, 0, "3"}}));
}

TEST(HintChanges, SevenColumnsStopAtTheMissingBringDownLabel) {
    HintSession s(12, 156, 6);
    s.drill.digitsInside = 7;
    s.press(23);
    EXPECT_FALSE(s.labels.closed);
    EXPECT_THROW(s.press(), RunTimeError);  // the Bring Down of column 5 has no label
}

}  // namespace
