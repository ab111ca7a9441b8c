// Parsing of the runner's options.
#include "runner_options.h"

#include <charconv>
#include <cstring>
#include <string>

namespace {
template <typename T>
bool ParseNumber(const char* text, T& value) {
    const char* end = text + std::strlen(text);
    auto [ptr, ec] = std::from_chars(text, end, value);
    return ec == std::errc() && ptr == end;
}

// "WxH" or "WxH@DPI", each part a positive number.
bool ParseDesktop(const std::string& text, RunnerOptions& options) {
    const auto cross = text.find('x');
    const auto at = text.find('@');
    if (cross == std::string::npos) return false;
    const std::string width = text.substr(0, cross);
    const std::string height = text.substr(cross + 1, at == std::string::npos ? std::string::npos : at - cross - 1);
    if (!ParseNumber(width.c_str(), options.desktopWidth) || !ParseNumber(height.c_str(), options.desktopHeight))
        return false;
    if (at != std::string::npos) {
        int dpi = 0;
        if (!ParseNumber(text.c_str() + at + 1, dpi) || dpi <= 0) return false;
        options.desktopDpi = static_cast<float>(dpi);
    }
    return options.desktopWidth > 0 && options.desktopHeight > 0;
}
}  // namespace

std::optional<RunnerOptions> ParseRunnerOptions(int argc, char** argv, std::string& error) {
    RunnerOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--no-draw") {
            options.noDraw = true;
            continue;
        }
        if (name == "--autodrive") {
            options.autodrive = true;
            continue;
        }
        if (name == "--pad-drive") {
            options.padDrive = true;
            continue;
        }
        if (i + 1 >= argc) {
            error = "missing value for " + name;
            return std::nullopt;
        }
        const char* value = argv[++i];
        bool ok = true;
        if (name == "--new-game") {
            if (i + 1 >= argc) {
                error = "missing car for --new-game";
                return std::nullopt;
            }
            int difficulty = 0, car = 0;
            ok = ParseNumber(value, difficulty) && difficulty >= 0 && difficulty <= 2;
            const char* carText = argv[++i];
            if (ok && !(ParseNumber(carText, car) && car >= 1 && car <= 5)) {
                error = std::string("bad car for --new-game: ") + carText;
                return std::nullopt;
            }
            options.newGameDifficulty = difficulty;
            options.newGameCar = car;
        } else if (name == "--ai-race") {
            int track = 0;
            ok = ParseNumber(value, track) && track >= 1 && track <= 5;
            options.aiRaceTrack = track;
        } else if (name == "--ai-cars") {
            ok = ParseNumber(value, options.aiCars) && options.aiCars >= 1 && options.aiCars <= 10;
        } else if (name == "--frames") {
            ok = ParseNumber(value, options.frames) && options.frames > 0;
        } else if (name == "--frame-ms") {
            ok = ParseNumber(value, options.frameMs) && options.frameMs >= 0;
        } else if (name == "--seed") {
            uint32_t seed = 0;
            ok = ParseNumber(value, seed);
            options.seed = seed;
        } else if (name == "--start-ms") {
            ok = ParseNumber(value, options.startMs);
        } else if (name == "--desktop") {
            ok = ParseDesktop(value, options);
        } else if (name == "--data") {
            options.dataFolder = value;
        } else if (name == "--script") {
            options.scriptFile = value;
        } else if (name == "--shots") {
            options.shotsFolder = value;
        } else if (name == "--report") {
            options.reportFile = value;
        } else if (name == "--server") {
            options.server = value;
            ok = options.server.rfind("http://", 0) == 0 || options.server.rfind("https://", 0) == 0;
        } else {
            error = "unknown option " + name;
            return std::nullopt;
        }
        if (!ok) {
            error = "bad value for " + name + ": " + value;
            return std::nullopt;
        }
    }
    return options;
}
