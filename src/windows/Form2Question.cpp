// New Question on the practice window: counts it, clears the boxes and draws a fresh question.
#include <QLabel>
#include <QLineEdit>

#include "drill/Counts.h"
#include "drill/NDigitDraw.h"
#include "drill/NumberText.h"
#include "drill/Question.h"
#include "platform/Platform.h"
#include "windows/Form2.h"
#include "windows/Program.h"

void Form2::cmdNewQuestion_Click() {
    DrillState& state = program_.Module1;
    countUp(state.numQuestions);
    hideFeedback();
    showRemainderBox(state.wantRemainders != 0);
    txtAnswer->clear();
    txtRemainder->clear();

    Platform& platform = program_.platform;
    platform.reseedFromClock();
    divisor = nDigitDraw(state.digitsOutside, platform.nextRandom());
    divisorText = numberText(divisor);
    txtDivisor->setText(QString::fromStdString(divisorText));

    dividendDraw = nDigitDraw(state.digitsInside, platform.nextRandom());
    const Question question = poseQuestion(divisor, dividendDraw, state.wantRemainders);
    Quote = question.Quote;
    dividend = question.dividend;
    state.expectedRemainder = question.expectedRemainder;
    dividendText = numberText(dividend);
    txtDividend->setText(QString::fromStdString(dividendText));
    txtAnswer->setFocus();
}
