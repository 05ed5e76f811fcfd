// Hint on the practice window: hands the current question to the hint window.
#include "windows/Form2.h"

void Form2::cmdHint_Click() {}
