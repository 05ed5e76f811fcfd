// Maps the designs' font names to the nearest fonts installed here.
#pragma once

// Safe to call more than once.
void installFontSubstitutes();
