// pebbledash-headless: runs the real game unattended for tests and measurements.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "headless_session.h"

int main(int argc, char** argv) {
    // No display and no sound card are needed; the picture is still drawn off screen.
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    // The offscreen window never holds the keyboard focus, and SDL drops pad input
    // without it unless told otherwise.
    setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 0);

    std::string error;
    auto options = ParseRunnerOptions(argc, argv, error);
    if (!options) {
        std::fprintf(stderr,
                     "pebbledash-headless: %s\nusage: pebbledash-headless [--frames N] [--frame-ms MS] [--seed N] "
                     "[--start-ms T] [--data DIR] [--script FILE] [--shots DIR] [--report FILE]\n"
                     "       [--new-game DIFFICULTY CAR] [--ai-race TRACK] [--ai-cars N] [--no-draw] [--autodrive]\n"
                     "       [--pad-drive] [--desktop WxH[@DPI]] [--server URL]\n",
                     error.c_str());
        return 2;
    }
    InputScript script;
    if (!options->scriptFile.empty()) {
        std::ifstream in(options->scriptFile);
        if (!in) {
            std::fprintf(stderr, "pebbledash-headless: cannot read script %s\n", options->scriptFile.c_str());
            return 2;
        }
        std::stringstream text;
        text << in.rdbuf();
        auto parsed = ParseInputScript(text.str(), error);
        if (!parsed) {
            std::fprintf(stderr, "pebbledash-headless: %s: %s\n", options->scriptFile.c_str(), error.c_str());
            return 2;
        }
        script = std::move(*parsed);
    }
    HeadlessSession session(*options, std::move(script));
    session.Run();
    if (!session.WriteReport()) {
        std::fprintf(stderr, "pebbledash-headless: cannot write report %s\n", options->reportFile.c_str());
        return 1;
    }
    return 0;
}
