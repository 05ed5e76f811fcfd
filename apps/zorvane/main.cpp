// Zorvane: the drill with the second designs.
#include "designs/second/SecondBuild.h"
#include "app/Startup.h"

int main(int argc, char** argv) { return runDrill(argc, argv, designs::second::build()); }
