#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "drill/RunTimeError.h"
#include "hints/HintLoad.h"

namespace {

using DigitTable = std::array<int32_t, kLastDigitEntry + 1>;

struct LoadCase {
    const char* name;
    int32_t divisor;
    int32_t dividend;
    int16_t digitsInside;
    int16_t wantRemainders;
    const char* divisorCaption;
    std::vector<std::string> dividendCaptions;
    DigitTable dividendDigits;
    int32_t workingNumber;
};

const LoadCase loadCases[] = {
    {"WorkedExample", 12, 156, 3, 1, " 12", {"1", "5", "6"}, {0, 6, 5, 1, 0, 0, 0}, 1},
    {"FewerDigitsThanColumns", 7, 7, 2, 0, " 7", {"0", "7"}, {0, 7, 0, 0, 0, 0, 0}, 0},
    {"DividendZero", 5, 0, 3, 0, " 5", {"0", "0", "0"}, {0, 0, 0, 0, 0, 0, 0}, 0},
    {"MoreDigitsThanColumns", 12, 156, 2, 1, " 12", {"15", "6"}, {0, 6, 15, 0, 0, 0, 0}, 15},
    {"SixDigits", 999, 908070, 6, 1, " 999", {"9", "0", "8", "0", "7", "0"}, {0, 0, 7, 0, 8, 0, 9}, 9},
    {"LargestValue", 1, 2147483647, 6, 0, " 1", {"21474", "8", "3", "6", "4", "7"},
     {0, 7, 4, 6, 3, 8, 21474}, 21474},
};

class HintLoadCases : public testing::TestWithParam<LoadCase> {};

TEST_P(HintLoadCases, LaysOutTheQuestionAndStartsAtColumnZero) {
    const LoadCase& c = GetParam();
    int32_t hintDividend = c.dividend;
    const HintLoad load = loadHints(c.divisor, hintDividend, c.digitsInside, c.wantRemainders);

    EXPECT_EQ(hintDividend, 0);
    EXPECT_EQ(load.divisorCaption, c.divisorCaption);
    EXPECT_EQ(load.dividendCaptions, c.dividendCaptions);
    EXPECT_EQ(load.remainderShown, c.wantRemainders != 0);
    EXPECT_EQ(load.state.dividendDigits, c.dividendDigits);  // entries above the length hold 0
    EXPECT_EQ(load.state.digitText, c.dividendCaptions.back());
    EXPECT_EQ(load.state.workingNumber, c.workingNumber);
    EXPECT_EQ(load.state.quotientDigits, (DigitTable{}));
    EXPECT_EQ(load.state.stepPhase, StepPhase::kDivide);
    EXPECT_EQ(load.state.stepColumn, 0);
    EXPECT_EQ(load.state.doneColumn, 0);
}

INSTANTIATE_TEST_SUITE_P(Loads, HintLoadCases, testing::ValuesIn(loadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HintLoad, ShowsTheRemainderLabelsOnlyWhenRemaindersAreOn) {
    int32_t dividend = 823;
    EXPECT_TRUE(loadHints(4, dividend, 3, 1).remainderShown);
    dividend = 823;
    EXPECT_FALSE(loadHints(4, dividend, 3, 0).remainderShown);
}

TEST(HintLoad, AnEarlierLongerLoadLeavesNoDigitsBehind) {
    int32_t dividend = 12345;
    (void)loadHints(7, dividend, 5, 1);
    dividend = 156;
    const HintLoad load = loadHints(12, dividend, 3, 1);
    EXPECT_EQ(load.state.dividendDigits, (DigitTable{0, 6, 5, 1, 0, 0, 0}));
}

TEST(HintLoad, LengthsOutsideTheTablesAreRunTimeErrors) {
    for (const int16_t n : {int16_t{7}, int16_t{-1}, int16_t{32767}}) {
        SCOPED_TRACE(n);
        int32_t dividend = 156;
        EXPECT_THROW((void)loadHints(12, dividend, n, 1), RunTimeError);
    }
}

TEST(HintLoad, NoColumnsLaysOutNothing) {
    int32_t dividend = 156;
    const HintLoad load = loadHints(12, dividend, 0, 1);
    EXPECT_TRUE(load.dividendCaptions.empty());
    EXPECT_EQ(load.state.workingNumber, 0);
    EXPECT_EQ(dividend, 156);
}

}  // namespace
