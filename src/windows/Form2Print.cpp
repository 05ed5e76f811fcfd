// Print Summary on the practice window.
#include "windows/Form2.h"

void Form2::cmdPrint_Click() {}
