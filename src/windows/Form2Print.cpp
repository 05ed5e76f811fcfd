// Print Summary on the practice window: one page, one print job, per press.
#include "drill/Printer.h"
#include "drill/SummaryPage.h"
#include "platform/Platform.h"
#include "windows/Form2.h"
#include "windows/Program.h"

void Form2::cmdPrint_Click() {
    Platform& platform = program_.platform;
    Printer& printer = platform.printer();
    // A page that did not print is said so; nothing else changes.
    if (!printSummary(
            printer, program_.Module1, [&] { return platform.todayText(); }, printWork))
        platform.messageBox(printer.failureText());
}
