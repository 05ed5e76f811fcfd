// Zorvane: the drill with the second designs.
#include "app/Startup.h"
#include "designs/second/SecondBuild.h"

int main(int argc, char** argv) { return runDrill(argc, argv, designs::second::build()); }
