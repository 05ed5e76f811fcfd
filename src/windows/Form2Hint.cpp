// Hint on the practice window: hands the current question to the hint window.
#include "designs/Texts.h"
#include "drill/Counts.h"
#include "platform/Platform.h"
#include "windows/Form2.h"
#include "windows/FrmHints.h"
#include "windows/Program.h"

void Form2::cmdHint_Click() {
    DrillState& drill = program_.Module1;
    // Every press counts, also one refused below and one while the hint window is open.
    countUp(drill.numHints);
    if (divisor == 0) {
        program_.platform.messageBox(design::texts::kNoQuestionMessage);
        return;
    }
    drill.hintDivisor = divisor;
    drill.hintDividend = dividend;
    // Loads the window, load step included, unless it is open; then it only comes to the front.
    FrmHints& hints = program_.frmHints();
    hints.setWindowState(hints.windowState() & ~Qt::WindowMinimized);
    hints.show();
    hints.raise();
    hints.activateWindow();
}
