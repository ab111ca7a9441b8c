// EngineLog: the engine's log lines and the observers of log lines and presented pictures.
// These outlive any one opening of the engine: the headless runner sets them once.
#pragma once

#include <functional>
#include <string>

namespace engine {

class EngineLog {
public:
    // Writes "engine: <line>" to stderr and hands it to the log observer.
    static void Write(const std::string& line);
    // The one form of a failed load: "engine: cannot load <path>: <reason>".
    static void CannotLoad(const std::string& path, const std::string& reason);
    static void SetObserver(std::function<void(const char*)> observer);

    static void SetPresentObserver(std::function<void(const char*)> observer);
    static void Presented(const char* what);  // "render" or "frame"
};

}  // namespace engine
