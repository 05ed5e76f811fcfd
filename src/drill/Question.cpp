#include "drill/Question.h"

#include "drill/CheckedMath.h"
#include "drill/RunTimeError.h"

Question poseQuestion(int32_t divisor, int32_t dividendDraw, int16_t wantRemainders) {
    if (divisor == 0)
        throw RunTimeError("Division by zero");

    Question question{};
    question.divisor = divisor;
    question.dividendDraw = dividendDraw;
    question.Quote = checked::require(
        checked::floorToInt32(static_cast<double>(dividendDraw) / static_cast<double>(divisor)),
        "Overflow");

    const int32_t multiple = checked::require(checked::mul(divisor, question.Quote), "Overflow");
    if (wantRemainders == 1) {
        question.dividend = dividendDraw;
        const int32_t remainder =
            checked::require(checked::sub(dividendDraw, multiple), "Overflow");
        question.expectedRemainder = checked::require(checked::fit<int16_t>(remainder), "Overflow");
    } else {
        question.dividend = multiple;
        question.expectedRemainder = 0;
    }
    return question;
}
