// Command-line options of the headless runner.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct RunnerOptions {
    int frames = 400;                // frames to run before the runner stops the game
    double frameMs = 16;             // fixed frame time on the hand-driven clock; 0: real clock
    std::optional<uint32_t> seed;    // the program's random source
    uint32_t startMs = 0;            // what the millisecond tick reads at start
    std::string dataFolder;          // holds data/, sound/, wdata/; default beside the executable
    std::string scriptFile;          // scripted input and shots
    std::string shotsFolder;         // PNG shots; none when empty
    std::string reportFile;          // JSON report; none when empty
};

// Parses argv; on a bad option returns nothing and writes why to error.
std::optional<RunnerOptions> ParseRunnerOptions(int argc, char** argv, std::string& error);
