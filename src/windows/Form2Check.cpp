// Check Answer and the key filter of the two answer boxes on the practice window.
#include <QLabel>
#include <QLineEdit>

#include "designs/Texts.h"
#include "drill/AnswerCheck.h"
#include "drill/Counts.h"
#include "drill/KeyFilter.h"
#include "platform/Platform.h"
#include "windows/Form2.h"
#include "windows/Program.h"

void Form2::cmdCheck_Click() {
    hideFeedback();
    DrillState& state = program_.Module1;
    const CheckResult result =
        checkAnswer(txtAnswer->text().toStdString(), txtRemainder->text().toStdString(), Quote,
                    state.expectedRemainder);
    typedRemainder = result.typedRemainder;
    if (result.answer)
        Answer = *result.answer;
    switch (result.outcome) {
    case CheckOutcome::EmptyAnswer: picWrong->show(); break;
    case CheckOutcome::Correct:
        picCorrect->show();
        countUp(state.numCorrect);
        break;
    case CheckOutcome::Wrong:
        picWrong->show();
        countUp(state.numWrong);
        break;
    }
}

void Form2::txtAnswer_KeyPress(int16_t& KeyAscii) { keyFilter(KeyAscii); }

void Form2::txtRemainder_KeyPress(int16_t& KeyAscii) { keyFilter(KeyAscii); }

void Form2::keyFilter(int16_t& KeyAscii) {
    if (KeyAscii == kKeyEnter)
        cmdCheck_Click();
    if (!keyAccepted(KeyAscii)) {
        program_.platform.messageBox(design::texts::kNotANumberMessage);
        KeyAscii = kKeyCancelled;
    }
}
