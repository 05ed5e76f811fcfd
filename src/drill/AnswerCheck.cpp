#include "drill/AnswerCheck.h"

#include "drill/CheckedMath.h"

std::optional<int32_t> textToNumber(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    int32_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const auto shifted = checked::mul(value, 10);
        if (!shifted)
            return std::nullopt;
        const auto next = checked::add(*shifted, c - '0');
        if (!next)
            return std::nullopt;
        value = *next;
    }
    return value;
}

CheckResult checkAnswer(std::string_view answerText, std::string_view remainderText, int32_t Quote,
                        int16_t expectedRemainder) {
    // The remainder box is read first, at every check, whether or not it is shown.
    const std::optional<int32_t> remainder =
        remainderText.empty() ? std::optional<int32_t>(0) : textToNumber(remainderText);
    const int32_t typedRemainder = remainder.value_or(kTextNotANumber);

    if (answerText.empty())
        return {CheckOutcome::EmptyAnswer, typedRemainder, std::nullopt};

    const std::optional<int32_t> answer = textToNumber(answerText);
    // Decided on the converted values, not the stand-in, so no Quote can be matched by accident.
    const bool correct = remainder && answer &&
                         *remainder == static_cast<int32_t>(expectedRemainder) && *answer == Quote;
    return {correct ? CheckOutcome::Correct : CheckOutcome::Wrong, typedRemainder,
            answer.value_or(kTextNotANumber)};
}
