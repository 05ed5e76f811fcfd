// Starts a run of the drill with one program's designs and returns its exit status.
#pragma once

#include "designs/Design.h"

int runDrill(int argc, char** argv, const design::Build& build);
