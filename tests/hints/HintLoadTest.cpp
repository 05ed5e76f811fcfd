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

// clang-format off
const LoadCase loadCases[] = {
    {.name = "WorkedExample", .divisor = 12, .dividend = 156, .digitsInside = 3, .wantRemainders = 1,
     .divisorCaption = " 12", .dividendCaptions = {"1", "5", "6"},
     .dividendDigits = {0, 6, 5, 1, 0, 0, 0}, .workingNumber = 1},
    {.name = "FewerDigitsThanColumns", .divisor = 7, .dividend = 7, .digitsInside = 2, .wantRemainders = 0,
     .divisorCaption = " 7", .dividendCaptions = {"0", "7"},
     .dividendDigits = {0, 7, 0, 0, 0, 0, 0}, .workingNumber = 0},
    {.name = "DividendZero", .divisor = 5, .dividend = 0, .digitsInside = 3, .wantRemainders = 0,
     .divisorCaption = " 5", .dividendCaptions = {"0", "0", "0"},
     .dividendDigits = {0, 0, 0, 0, 0, 0, 0}, .workingNumber = 0},
    {.name = "MoreDigitsThanColumns", .divisor = 12, .dividend = 156, .digitsInside = 2, .wantRemainders = 1,
     .divisorCaption = " 12", .dividendCaptions = {"15", "6"},
     .dividendDigits = {0, 6, 15, 0, 0, 0, 0}, .workingNumber = 15},
    {.name = "SixDigits", .divisor = 999, .dividend = 908070, .digitsInside = 6, .wantRemainders = 1,
     .divisorCaption = " 999", .dividendCaptions = {"9", "0", "8", "0", "7", "0"},
     .dividendDigits = {0, 0, 7, 0, 8, 0, 9}, .workingNumber = 9},
    {.name = "LargestValue", .divisor = 1, .dividend = 2147483647, .digitsInside = 6, .wantRemainders = 0,
     .divisorCaption = " 1", .dividendCaptions = {"21474", "8", "3", "6", "4", "7"},
     .dividendDigits = {0, 7, 4, 6, 3, 8, 21474}, .workingNumber = 21474},
};
// clang-format on

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
