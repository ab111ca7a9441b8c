// Parsing of the runner's options.
#include "runner_options.h"

#include <charconv>
#include <cstring>

namespace {
template <typename T>
bool ParseNumber(const char* text, T& value) {
    const char* end = text + std::strlen(text);
    auto [ptr, ec] = std::from_chars(text, end, value);
    return ec == std::errc() && ptr == end;
}
}  // namespace

std::optional<RunnerOptions> ParseRunnerOptions(int argc, char** argv, std::string& error) {
    RunnerOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (i + 1 >= argc) {
            error = "missing value for " + name;
            return std::nullopt;
        }
        const char* value = argv[++i];
        bool ok = true;
        if (name == "--frames") {
            ok = ParseNumber(value, options.frames) && options.frames > 0;
        } else if (name == "--frame-ms") {
            ok = ParseNumber(value, options.frameMs) && options.frameMs >= 0;
        } else if (name == "--seed") {
            uint32_t seed = 0;
            ok = ParseNumber(value, seed);
            options.seed = seed;
        } else if (name == "--start-ms") {
            ok = ParseNumber(value, options.startMs);
        } else if (name == "--data") {
            options.dataFolder = value;
        } else if (name == "--script") {
            options.scriptFile = value;
        } else if (name == "--shots") {
            options.shotsFolder = value;
        } else if (name == "--report") {
            options.reportFile = value;
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
