#include <gtest/gtest.h>
#include "drill/Counts.h"
#include "drill/NumberText.h"

TEST(Counts, StopAt32767) {
    int16_t c = 32766;
    countUp(c);
    countUp(c);
    EXPECT_EQ(c, 32767);
}

TEST(NumberText, LeadingBlankWhenNotNegative) {
    EXPECT_EQ(numberText(42), " 42");
    EXPECT_EQ(numberText(0), " 0");
    EXPECT_EQ(numberText(-84), "-84");
    EXPECT_EQ(trimmedNumberText(7), "7");
}
