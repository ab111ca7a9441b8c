// Pebbledash: the game takes no command-line options; everything comes from its saved files.
#include "core/program_entry.h"

int main() { return RunProgram(); }
