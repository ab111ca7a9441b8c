// The program: load the saved files, run the window cycle, open "play.url" at the end.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// A game started at boot, as the main menu starts one (headless runs).
struct NewGameChoice {
    int difficulty = 0;  // CurrentDifficulty, 0..2
    int car = 1;         // SelectedCar, 1..5
};

// What a run may be told beyond the saved files (the game itself takes no options).
struct ProgramOptions {
    std::optional<uint32_t> seed;          // the random source; from the clock when empty
    std::optional<NewGameChoice> newGame;  // once the main menu is reached: NewGame, AppState 4
    std::optional<std::string> scoreServer;  // the world high-score server; the build's default when empty
};

// Runs the whole game on the platform's window and the engine; returns when it ends.
// Defined by the composition root (pd_program), which owns the screens and the race.
int RunProgram(const ProgramOptions& options = {});
