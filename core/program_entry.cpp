// Program entry: the composition root runs the game.
#include "core/program_entry.h"

#include "core/program_objects.h"

int RunProgram(const ProgramOptions& options) {
    ProgramObjects program(options);
    return program.Run();
}
