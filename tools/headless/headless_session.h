// One unattended run of the game: hand-driven clock, scripted input, shots and a report.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "ai_race.h"
#include "auto_driver.h"
#include "finish_watch.h"

#include "input_injector.h"
#include "input_script.h"
#include "runner_options.h"

class ProgramObjects;
class TGame;

// The race as the report gives it, taken when the run ends.
struct RaceReport {
    int score = 0, lives = 0, level = 0, track = 0, lapsLeft = 0, place = 0;
    // The player's car at the last frame: x, y, z and its heading (degrees from +x towards +z).
    float playerCar[4] = {0, 0, 0, 0};
    // The race's transitions, each with the frame in which it happened.
    std::vector<std::pair<int, std::string>> events;
    // Each level's finishing frames and shown place.
    std::vector<FinishWatch::Level> finishes;
};

class HeadlessSession {
public:
    // A script's sample line: live engine objects and resident memory at a frame.
    struct Sample {
        int frame = 0;
        size_t objects = 0;
        long rssKb = 0;
    };

    HeadlessSession(RunnerOptions options, InputScript script);

    // Runs the real program until the frame count is reached or the game ends.
    void Run();
    // Writes the JSON report; false when the file cannot be written.
    bool WriteReport() const;

private:
    void OnPresent(const char* what);
    void OnFrame();
    void Shoot(const std::string& name);
    // Under --desktop: the next presented frame also writes "<name>-window.png".
    void TakeWindowShotNext(const std::string& name);
    // Takes the race's new event lines, stamped with the current frame.
    void CollectEvents(const TGame& game);
    // --ai-race: builds the race in the first main-menu frame, then runs one step a frame.
    void AiRaceFrame();
    // While the score is being sent (AppState 26) each frame lasts at least
    // kNetworkFrameMs of wall time, so the network's real time shows in frame counts;
    // each such stretch's wall time goes to the report.
    void PaceNetworkWait();

    RunnerOptions options_;
    InputScript script_;
    InputInjector injector_;
    int frames_ = 0;
    int renders_ = 0;
    bool exitRequested_ = false;
    // Shots of the whole window too ("<name>-window.png"): on a simulated desktop, or
    // when the script resizes the window.
    bool windowShots_ = false;
    std::vector<std::string> missingFiles_;
    std::vector<std::string> shots_;
    std::vector<Sample> samples_;  // the script's sample lines, in frame order
    std::vector<std::string> opened_;  // what the game asked the desktop to open
    std::vector<double> frameMs_;      // wall time of each drawn frame
    std::vector<double> frameCpuMs_;   // the process's CPU time (all threads) of each frame
    double lastCpuMs_ = 0;
    double aiRaceBuiltMs_ = -1;         // wall time from the start to the AI race built, -1 before
    std::vector<double> sendingMs_;    // wall time of each stretch of AppState 26
    bool sending_ = false;
    std::chrono::steady_clock::time_point sendingSince_;
    std::chrono::steady_clock::time_point started_, lastFrame_;
    double wallMs_ = 0;
    double mainMenuMs_ = -1;  // wall time until the first frame drawn in the main menu
    ProgramObjects* program_ = nullptr;  // while the program runs
    RaceReport race_;
    FinishWatch finishWatch_;
    std::unique_ptr<AiRace> aiRace_;
    AutoDriver autoDriver_;  // --autodrive
    double aiSeconds_ = 0;                   // simulated seconds of the AI race
    std::vector<AiRace::CarResult> aiCars_;  // its cars at the end of the run
    // At the last drawn frame: where the camera stood and which music track played
    // (index into MusicTracks, -1 for none).
    float camera_[3] = {0, 0, 0};
    int music_ = -1;
    int pads_ = 0;  // game pads the game had connected at the last drawn frame
};
