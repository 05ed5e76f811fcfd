#include "windows/FrmHints.h"

#include <QCloseEvent>

#include "windows/Program.h"

FrmHints::FrmHints(Program& program) : DesignedWindow(program.build.hints), program_(program) {}

void FrmHints::cmdShowNext_Click() {}

void FrmHints::cmdUnload_Click() { program_.unloadHints(); }

void FrmHints::Form_Load() {}

void FrmHints::closeEvent(QCloseEvent* event) {
    // The close box unloads the window, as Close Help does.
    event->accept();
    cmdUnload_Click();
}
