// Varnel: the drill with the standard designs.
#include "designs/standard/StandardBuild.h"
#include "app/Startup.h"

int main(int argc, char** argv) { return runDrill(argc, argv, designs::standard::build()); }
