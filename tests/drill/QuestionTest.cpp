#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "drill/NDigitDraw.h"
#include "drill/Question.h"
#include "drill/RunTimeError.h"

namespace {

struct Case {
    const char* name;
    int32_t divisor;
    int32_t draw;
    int16_t wantRemainders;
    int32_t Quote;
    int32_t dividend;
    int16_t remainder;
};

TEST(Question, KnownQuestionsInBothModes) {
    const Case cases[] = {
        {"7 into 12, remainder", 7, 12, 1, 1, 12, 5},
        {"7 into 12, exact", 7, 12, 0, 1, 7, 0},
        {"draw below divisor, remainder", 57, 23, 1, 0, 23, 23},
        {"draw below divisor, exact", 57, 23, 0, 0, 0, 0},
        {"three digits each, remainder", 999, 100, 1, 0, 100, 100},
        {"divisor 1, remainder", 1, 87, 1, 87, 87, 0},
        {"divisor 1, exact", 1, 87, 0, 87, 87, 0},
        {"largest remainder", 999, 999998, 1, 1000, 999998, 998},
        {"largest quotient", 100, 999999, 1, 9999, 999999, 99},
        {"largest quotient, exact", 100, 999999, 0, 9999, 999900, 0},
        {"smallest six-digit quotient", 999, 100000, 1, 100, 100000, 100},
        {"flag other than 1 is exact", 7, 12, 2, 1, 7, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Question q = poseQuestion(c.divisor, c.draw, c.wantRemainders);
        EXPECT_EQ(q.divisor, c.divisor);
        EXPECT_EQ(q.dividendDraw, c.draw);
        EXPECT_EQ(q.Quote, c.Quote);
        EXPECT_EQ(q.dividend, c.dividend);
        EXPECT_EQ(q.expectedRemainder, c.remainder);
    }
}

// Every digit-count pair the set-up window accepts, drawn over a grid of random values.
TEST(Question, InvariantsHoldForEveryAcceptedShape) {
    std::vector<float> grid;
    for (int i = 0; i < 64; ++i)
        grid.push_back(static_cast<float>(i) / 64.0f);
    grid.push_back(std::nextafter(1.0f, 0.0f));

    for (int16_t outside = 1; outside <= 3; ++outside) {
        for (int16_t inside = 2; inside <= 6; ++inside) {
            if (outside > inside)
                continue;
            for (const float r1 : grid) {
                const int32_t divisor = nDigitDraw(outside, r1);
                for (const float r2 : grid) {
                    const int32_t draw = nDigitDraw(inside, r2);
                    for (const int16_t mode : {int16_t{0}, int16_t{1}}) {
                        SCOPED_TRACE(testing::Message()
                                     << divisor << " into " << draw << ", mode " << mode);
                        const Question q = poseQuestion(divisor, draw, mode);
                        EXPECT_EQ(q.Quote, draw / divisor);
                        EXPECT_EQ(q.dividend, divisor * q.Quote + q.expectedRemainder);
                        EXPECT_GE(q.expectedRemainder, 0);
                        EXPECT_LT(q.expectedRemainder, divisor);
                        EXPECT_LE(q.expectedRemainder, 998);
                        EXPECT_EQ(q.dividend, mode == 1 ? draw : divisor * q.Quote);
                        if (mode == 0) {
                            EXPECT_EQ(q.expectedRemainder, 0);
                        }
                    }
                }
            }
        }
    }
}

TEST(Question, ImpossibleQuestionsAreRunTimeErrors) {
    struct Bad {
        const char* name;
        int32_t divisor;
        int32_t draw;
        int16_t wantRemainders;
    };
    const Bad cases[] = {
        {"divisor 0, remainder", 0, 12, 1},
        {"divisor 0, exact", 0, 12, 0},
        {"quotient leaves 32 bits", -1, INT32_MIN, 0},
        {"remainder leaves 16 bits", 100000, 99999, 1},
    };
    for (const Bad& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(poseQuestion(c.divisor, c.draw, c.wantRemainders), RunTimeError);
    }
    // The same too-wide remainder is never formed when remainders are off.
    EXPECT_EQ(poseQuestion(100000, 99999, 0).dividend, 0);
}

}  // namespace
