// The engine's log and its observers.
#include "engine/engine_log.h"

#include <cstdio>

namespace engine {
namespace {

// Program-wide: set by the headless runner before the engine opens, kept across re-opens.
std::function<void(const char*)>& LogObserver() {
    static std::function<void(const char*)> observer;
    return observer;
}

std::function<void(const char*)>& PresentObserver() {
    static std::function<void(const char*)> observer;
    return observer;
}

}  // namespace

void EngineLog::Write(const std::string& line) {
    const std::string full = "engine: " + line;
    std::fprintf(stderr, "%s\n", full.c_str());
    if (LogObserver()) LogObserver()(full.c_str());
}

void EngineLog::CannotLoad(const std::string& path, const std::string& reason) {
    Write("cannot load " + path + ": " + reason);
}

void EngineLog::SetObserver(std::function<void(const char*)> observer) { LogObserver() = std::move(observer); }

void EngineLog::SetPresentObserver(std::function<void(const char*)> observer) {
    PresentObserver() = std::move(observer);
}

void EngineLog::Presented(const char* what) {
    if (PresentObserver()) PresentObserver()(what);
}

}  // namespace engine
