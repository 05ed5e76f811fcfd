#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "drill/NDigitDraw.h"
#include "drill/RunTimeError.h"

namespace {

const float kLargestBelowOne = std::nextafter(1.0f, 0.0f);

TEST(Draw, ExtremesGiveTheFirstAndLastNumberOfEachLength) {
    struct Case {
        int16_t n;
        int32_t lowest;
        int32_t highest;
    };
    const Case cases[] = {
        {1, 1, 9},         {2, 10, 99},         {3, 100, 999},         {4, 1000, 9999},
        {5, 10000, 99999}, {6, 100000, 999999}, {7, 1000000, 9999999},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "n = " << c.n);
        EXPECT_EQ(nDigitDraw(c.n, 0.0f), c.lowest);
        EXPECT_EQ(nDigitDraw(c.n, kLargestBelowOne), c.highest);
    }
}

// Past seven digits a float's step is too coarse to reach 10^n - 1, but the length still holds.
TEST(Draw, LongestLengthsStayWithinTheirDigits) {
    struct Case {
        int16_t n;
        int32_t lowest;
        int32_t highestReached;
    };
    const Case cases[] = {{8, 10000000, 99999994}, {9, 100000000, 999999946}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "n = " << c.n);
        EXPECT_EQ(nDigitDraw(c.n, 0.0f), c.lowest);
        EXPECT_EQ(nDigitDraw(c.n, kLargestBelowOne), c.highestReached);
    }
}

TEST(Draw, MidValuesRoundDown) {
    struct Case {
        int16_t n;
        float r;
        int32_t expected;
    };
    const Case cases[] = {
        {1, 0.5f, 5},     // 8 * 0.5 + 1 = 5 exactly
        {2, 0.5f, 55},    // 90 * 0.5 + 10 = 55 exactly
        {2, 0.999f, 99},  // 99.91 rounds down, never up to 100
        {3, 0.25f, 325},  // 900 * 0.25 + 100
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "n = " << c.n << ", r = " << c.r);
        EXPECT_EQ(nDigitDraw(c.n, c.r), c.expected);
    }
}

TEST(Draw, NonsenseArgumentsAreRunTimeErrors) {
    struct Case {
        int16_t n;
        float r;
    };
    const Case cases[] = {
        {0, 0.5f},
        {-1, 0.5f},
        {10, 0.0f},
        {32767, 0.0f},
        {2, 1.0f},
        {2, -std::numeric_limits<float>::denorm_min()},
        {2, 2.0f},
        {2, std::numeric_limits<float>::quiet_NaN()},
        {2, std::numeric_limits<float>::infinity()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "n = " << c.n << ", r = " << c.r);
        EXPECT_THROW(nDigitDraw(c.n, c.r), RunTimeError);
    }
}

}  // namespace
