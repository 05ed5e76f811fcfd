// Turns the pupil's two typed boxes into a verdict against the current question.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

// Only a non-empty run of ASCII digits that fits 32 bits is a number; leading zeros are fine.
std::optional<int32_t> textToNumber(std::string_view text);

// Recorded for a box whose text is not a number (pasted text, or more than 2147483647). It lies
// outside 16 bits, so as a typed remainder it can never equal a widened expected remainder.
inline constexpr int32_t kTextNotANumber = std::numeric_limits<int32_t>::min();

enum class CheckOutcome { EmptyAnswer, Correct, Wrong };

struct CheckResult {
    CheckOutcome outcome = CheckOutcome::EmptyAnswer;
    int32_t typedRemainder =
        0;  // 0 for an empty box, kTextNotANumber for one that does not convert
    std::optional<int32_t> answer;  // the new Answer; empty when the answer box was empty
};

// Text that is not a number never matches, so a non-empty answer box then gives Wrong; an empty
// answer box gives EmptyAnswer whatever the remainder box holds.
CheckResult checkAnswer(std::string_view answerText, std::string_view remainderText, int32_t Quote,
                        int16_t expectedRemainder);
