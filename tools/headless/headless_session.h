// One unattended run of the game: hand-driven clock, scripted input, shots and a report.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "input_injector.h"
#include "input_script.h"
#include "runner_options.h"

class HeadlessSession {
public:
    HeadlessSession(RunnerOptions options, InputScript script);

    // Runs the real program until the frame count is reached or the game ends.
    void Run();
    // Writes the JSON report; false when the file cannot be written.
    bool WriteReport() const;

private:
    void OnPresent(const char* what);
    void OnFrame();
    void Shoot(const std::string& name);

    RunnerOptions options_;
    InputScript script_;
    InputInjector injector_;
    int frames_ = 0;
    int renders_ = 0;
    bool exitRequested_ = false;
    std::vector<std::string> missingFiles_;
    std::vector<std::string> shots_;
    std::vector<std::string> opened_;  // what the game asked the desktop to open
    std::vector<double> frameMs_;      // wall time of each drawn frame
    std::chrono::steady_clock::time_point started_, lastFrame_;
    double wallMs_ = 0;
    double mainMenuMs_ = -1;  // wall time until the first frame drawn in the main menu
};
