#include <gtest/gtest.h>
#include "drill/Counts.h"
#include "drill/NumberText.h"

TEST(Counts, StopAt32767) {
    int16_t c = 32766;
    countUp(c);
    countUp(c);
    EXPECT_EQ(c, 32767);
}

TEST(Counts, ZeroingTouchesOnlyTheFourCounts) {
    DrillState state;
    state.numCorrect = 3;
    state.numWrong = 32767;
    state.numHints = 1;
    state.numQuestions = 4;
    state.digitsOutside = 2;
    state.digitsInside = 5;
    state.keepTallies = 1;
    zeroCounts(state);
    EXPECT_EQ(state.numCorrect, 0);
    EXPECT_EQ(state.numWrong, 0);
    EXPECT_EQ(state.numHints, 0);
    EXPECT_EQ(state.numQuestions, 0);
    EXPECT_EQ(state.digitsOutside, 2);
    EXPECT_EQ(state.digitsInside, 5);
    EXPECT_EQ(state.keepTallies, 1);
}

TEST(NumberText, LeadingBlankWhenNotNegative) {
    EXPECT_EQ(numberText(42), " 42");
    EXPECT_EQ(numberText(0), " 0");
    EXPECT_EQ(numberText(-84), "-84");
    EXPECT_EQ(trimmedNumberText(7), "7");
}
