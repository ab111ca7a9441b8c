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
    // --new-game DIFFICULTY CAR: a game started at boot as the main menu starts one.
    std::optional<int> newGameDifficulty;  // 0..2
    std::optional<int> newGameCar;         // 1..5
    // --ai-race TRACK: once the main menu is up, seven computer drivers race on the
    // Hard grid of track slot 1..5, the chase camera on the first of them.
    std::optional<int> aiRaceTrack;
    int aiCars = 7;       // --ai-cars N: cars in the AI race, 1..10
    bool autodrive = false;  // --autodrive: the test driver holds the player's driving keys
    // --pad-drive: the test driver drives with the runner's virtual game pad instead,
    // which is plugged in at the first frame.
    bool padDrive = false;
    // --desktop WxH[@DPI]: the display the game sees (full screen fills it; the window
    // is sized for its density); each shot then also writes "<name>-window.png", the
    // whole window with its bars.
    int desktopWidth = 0, desktopHeight = 0;
    float desktopDpi = 0;
    bool noDraw = false;  // --no-draw: nothing is drawn; the logic runs unchanged
    std::string server;   // --server URL: the world high-score server; the build's default when empty
};

// Parses argv; on a bad option returns nothing and writes why to error.
std::optional<RunnerOptions> ParseRunnerOptions(int argc, char** argv, std::string& error);
