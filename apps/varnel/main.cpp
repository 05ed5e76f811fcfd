// Varnel: the drill with the standard designs.
#include "designs/standard/StandardBuild.h"
#include "state/Startup.h"

int main(int argc, char** argv) { return runDrill(argc, argv, designs::standard::build()); }
