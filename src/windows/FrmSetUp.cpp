#include "windows/FrmSetUp.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>

#include "designs/Texts.h"
#include "drill/Counts.h"
#include "drill/KeyFilter.h"
#include "drill/SetUpCheck.h"
#include "platform/Platform.h"
#include "windows/Form2.h"
#include "windows/Handlers.h"
#include "windows/Program.h"

FrmSetUp::FrmSetUp(Program& program) : DesignedWindow(program.build.setUp), program_(program) {
    const Controls& c = controls();
    txtName = c.get<QLineEdit>("txtName");
    Option1 = c.get<QAbstractButton>("Option1");
    Option2 = c.get<QAbstractButton>("Option2");
    Option3 = c.get<QAbstractButton>("Option3");
    Opt2 = c.get<QAbstractButton>("Opt2");
    Opt3 = c.get<QAbstractButton>("Opt3");
    Option4 = c.get<QAbstractButton>("Option4");
    Option5 = c.get<QAbstractButton>("Option5");
    Option6 = c.get<QAbstractButton>("Option6");
    opoRemainder[0] = c.get<QAbstractButton>("opoRemainder", 0);
    opoRemainder[1] = c.get<QAbstractButton>("opoRemainder", 1);
    cmdBeginPractice = c.get<QPushButton>("cmdBeginPractice");

    onClick(cmdBeginPractice, this, &FrmSetUp::cmdBeginPractice_Click, program_.platform);
    onKeyPress(txtName, this, &FrmSetUp::txtName_KeyPress, program_.platform);
}

void FrmSetUp::cmdBeginPractice_Click() {
    DrillState& state = program_.Module1;
    if (Option1->isChecked())
        state.digitsOutside = 1;
    if (Option2->isChecked())
        state.digitsOutside = 2;
    if (Option3->isChecked())
        state.digitsOutside = 3;
    if (Opt2->isChecked())
        state.digitsInside = 2;
    if (Opt3->isChecked())
        state.digitsInside = 3;
    if (Option4->isChecked())
        state.digitsInside = 4;
    if (Option5->isChecked())
        state.digitsInside = 5;
    if (Option6->isChecked())
        state.digitsInside = 6;
    state.wantRemainders = opoRemainder[1]->isChecked() ? 1 : 0;

    if (!lengthsChosen(state.digitsOutside, state.digitsInside)) {
        program_.platform.messageBox(design::texts::kLengthsMessage);
        return;
    }

    state.studentName = txtName->text().toStdString();
    // The first touch loads the practice window, so its load step sees the new remainder choice.
    program_.form2().hideFeedback();
    program_.form2().show();
    hide();
    if (state.keepTallies != 1)
        zeroCounts(state);
}

void FrmSetUp::txtName_KeyPress(int16_t& KeyAscii) {
    if (KeyAscii == kKeyEnter)
        Option1->setFocus();
}

void FrmSetUp::closeEvent(QCloseEvent* event) {
    // Closing the window that the pupil starts from ends the run, as Exit does.
    event->accept();
    program_.platform.endRun(0);
}
