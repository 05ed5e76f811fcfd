// Varnel: the drill with the standard designs.
#include "app/Startup.h"
#include "designs/standard/StandardBuild.h"

int main(int argc, char** argv) { return runDrill(argc, argv, designs::standard::build()); }
