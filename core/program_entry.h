// The program: load the saved files, run the window cycle, open "play.url" at the end.
#pragma once

#include <cstdint>
#include <optional>

// Runs the whole game on the platform's window and the engine; returns when it ends.
// The random source is seeded from the clock unless a seed is given (the headless runner).
int RunProgram(std::optional<uint32_t> seed = std::nullopt);
