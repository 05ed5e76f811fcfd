#include "windows/Form2.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/Platform.h"
#include "windows/FrmSetUp.h"
#include "windows/Handlers.h"
#include "windows/Program.h"

Form2::Form2(Program& program) : DesignedWindow(program.build.practice), program_(program) {
    const Controls& c = controls();
    cmdNewQuestion = c.get<QPushButton>("cmdNewQuestion");
    cmdNewLevel = c.get<QPushButton>("cmdNewLevel");
    cmdPrint = c.get<QPushButton>("cmdPrint");
    cmdExit = c.get<QPushButton>("cmdExit");
    cmdCheck = c.get<QPushButton>("cmdCheck");
    cmdHint = c.get<QPushButton>("cmdHint");
    txtAnswer = c.get<QLineEdit>("txtAnswer");
    txtRemainder = c.get<QLineEdit>("txtRemainder");
    txtDivisor = c.get<QLineEdit>("txtDivisor");
    txtDividend = c.get<QLineEdit>("txtDividend");
    Label1 = c.get<QLabel>("Label1");
    Label2 = c.get<QLabel>("Label2");
    picCorrect = c.get<QLabel>("picCorrect");
    picWrong = c.get<QLabel>("picWrong");

    onClick(cmdNewQuestion, this, &Form2::cmdNewQuestion_Click, program_.platform);
    onClick(cmdNewLevel, this, &Form2::cmdNewLevel_Click, program_.platform);
    onClick(cmdPrint, this, &Form2::cmdPrint_Click, program_.platform);
    onClick(cmdExit, this, &Form2::cmdExit_Click, program_.platform);
    onClick(cmdCheck, this, &Form2::cmdCheck_Click, program_.platform);
    onClick(cmdHint, this, &Form2::cmdHint_Click, program_.platform);
    onKeyPress(txtAnswer, this, &Form2::txtAnswer_KeyPress, program_.platform);
    onKeyPress(txtRemainder, this, &Form2::txtRemainder_KeyPress, program_.platform);
}

void Form2::Form_Load() { showRemainderBox(program_.Module1.wantRemainders != 0); }

void Form2::showRemainderBox(bool visible) {
    txtRemainder->setVisible(visible);
    Label1->setVisible(visible);
}

void Form2::hideFeedback() {
    picCorrect->hide();
    picWrong->hide();
}

void Form2::cmdNewLevel_Click() {
    program_.Module1.keepTallies = 1;
    txtDivisor->clear();
    txtDividend->clear();
    txtAnswer->clear();
    txtRemainder->clear();
    hideFeedback();
    program_.frmSetUp().show();
    hide();
}

void Form2::cmdExit_Click() { program_.platform.endRun(0); }

void Form2::closeEvent(QCloseEvent* event) {
    // With the set-up window hidden nothing would be left to go on from: end the run, as Exit does.
    event->accept();
    cmdExit_Click();
}
