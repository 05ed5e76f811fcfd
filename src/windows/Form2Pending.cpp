// Handlers of the practice window that are still to come: for now they do nothing.
#include "windows/Form2.h"

void Form2::cmdNewQuestion_Click() {}
void Form2::cmdCheck_Click() {}
void Form2::txtAnswer_KeyPress(int16_t&) {}
void Form2::txtRemainder_KeyPress(int16_t&) {}
