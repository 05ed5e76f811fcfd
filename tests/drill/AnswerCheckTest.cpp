#include <gtest/gtest.h>

#include <optional>

#include "drill/AnswerCheck.h"

namespace {

TEST(AnswerTextToNumber, OnlyPlainDigitStringsThatFitConvert) {
    struct Case {
        const char* text;
        std::optional<int32_t> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"7", 7},
        {"007", 7},
        {"000000000000002147483647", 2147483647},
        {"2147483647", 2147483647},
        {"999999999", 999999999},
        {"2147483648", std::nullopt},
        {"9999999999", std::nullopt},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"-3", std::nullopt},
        {"+3", std::nullopt},
        {" 4", std::nullopt},
        {"4 ", std::nullopt},
        {"1.5", std::nullopt},
        {"1,5", std::nullopt},
        {"12a", std::nullopt},
        {"\xd9\xa3", std::nullopt},  // an Arabic-Indic digit is no ASCII digit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        EXPECT_EQ(textToNumber(c.text), c.value);
    }
    // An embedded NUL must not cut the text short.
    EXPECT_EQ(textToNumber(std::string_view("1\0"
                                            "2",
                                            3)),
              std::nullopt);
}

struct Case {
    const char* name;
    const char* answer;
    const char* remainder;
    int32_t Quote;
    int16_t expectedRemainder;
    CheckOutcome outcome;
    int32_t typedRemainder;
    std::optional<int32_t> newAnswer;
};

TEST(AnswerCheck, OutcomeTable) {
    using O = CheckOutcome;
    const int32_t nan = kTextNotANumber;
    const Case cases[] = {
        {"both boxes empty", "", "", 1, 5, O::EmptyAnswer, 0, std::nullopt},
        {"empty answer, remainder typed", "", "5", 1, 5, O::EmptyAnswer, 5, std::nullopt},
        {"right quotient and remainder", "1", "5", 1, 5, O::Correct, 5, 1},
        {"right quotient, remainder left empty", "1", "", 1, 5, O::Wrong, 0, 1},
        {"wrong quotient, right remainder", "2", "5", 1, 5, O::Wrong, 5, 2},
        {"leading zeros", "0012", "003", 12, 3, O::Correct, 3, 12},
        {"quotient 0 answered 0", "0", "23", 0, 23, O::Correct, 23, 0},
        {"quotient 0, empty answer", "", "23", 0, 23, O::EmptyAnswer, 23, std::nullopt},
        {"before any question, 0", "0", "", 0, 0, O::Correct, 0, 0},
        {"before any question, 5", "5", "", 0, 0, O::Wrong, 0, 5},
        {"remainders off, quotient right", "87", "", 87, 0, O::Correct, 0, 87},
        {"remainders off, quotient wrong", "86", "", 87, 0, O::Wrong, 0, 86},
        {"remainder equal only in low 16 bits", "1", "65541", 1, 5, O::Wrong, 65541, 1},
        {"largest int32 answer", "2147483647", "", 2147483647, 0, O::Correct, 0, 2147483647},
        {"ten digits past int32 answer", "2147483648", "", 1, 0, O::Wrong, 0, nan},
        {"ten digits past int32 remainder", "1", "2147483648", 1, 0, O::Wrong, nan, 1},
        {"pasted letters as answer", "abc", "5", 1, 5, O::Wrong, 5, nan},
        {"pasted sign as answer", "-3", "", -3, 0, O::Wrong, 0, nan},
        {"pasted blank as answer", " 4", "", 4, 0, O::Wrong, 0, nan},
        {"pasted decimal as answer", "1.5", "", 1, 0, O::Wrong, 0, nan},
        {"pasted letters as remainder", "1", "abc", 1, 5, O::Wrong, nan, 1},
        {"pasted sign as remainder", "1", "-3", 1, 0, O::Wrong, nan, 1},
        {"pasted blank as remainder", "1", " 4", 1, 4, O::Wrong, nan, 1},
        {"pasted decimal as remainder", "1", "1.5", 1, 1, O::Wrong, nan, 1},
        {"bad remainder, empty answer", "", "abc", 1, 5, O::EmptyAnswer, nan, std::nullopt},
        // The stand-in value must not count as a match for a quotient that happens to equal it.
        {"bad answer against the stand-in", "abc", "", nan, 0, O::Wrong, 0, nan},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CheckResult result = checkAnswer(c.answer, c.remainder, c.Quote, c.expectedRemainder);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.typedRemainder, c.typedRemainder);
        EXPECT_EQ(result.answer, c.newAnswer);
    }
}

TEST(AnswerCheck, RepeatingTheSameCheckGivesTheSameResult) {
    const CheckResult first = checkAnswer("1", "5", 1, 5);
    const CheckResult second = checkAnswer("1", "5", 1, 5);
    EXPECT_EQ(first.outcome, CheckOutcome::Correct);
    EXPECT_EQ(second.outcome, first.outcome);
}

}  // namespace
