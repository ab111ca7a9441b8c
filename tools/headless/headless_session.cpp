// The headless runner's session: drives the program through the engine's observers.
#include "headless_session.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/app_state.h"
#include "core/program_entry.h"
#include "engine/engine.h"
#include "platform/platform.h"

namespace {
std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string JsonList(const std::vector<std::string>& items) {
    std::string out = "[";
    for (size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + JsonString(items[i]);
    return out + "]";
}

double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, static_cast<size_t>(fraction * (values.size() - 1) + 0.5));
    return values[index];
}
}  // namespace

HeadlessSession::HeadlessSession(RunnerOptions options, InputScript script)
    : options_(std::move(options)), script_(std::move(script)) {}

void HeadlessSession::Run() {
    if (!options_.dataFolder.empty()) platform::SetProgramFolder(options_.dataFolder);
    if (!options_.shotsFolder.empty()) std::filesystem::create_directories(options_.shotsFolder);
    if (options_.frameMs > 0) platform::UseManualClock(options_.startMs);
    platform::SetOpenRecorder(&opened_);

    iLogObserverSet([this](const char* line) {
        if (std::string(line).find("cannot load") != std::string::npos) missingFiles_.push_back(line);
    });
    iPresentObserverSet([this](const char* what) { OnPresent(what); });

    started_ = lastFrame_ = std::chrono::steady_clock::now();
    RunProgram(options_.seed);
    wallMs_ = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started_).count();

    iPresentObserverSet({});
    iLogObserverSet({});
    platform::SetOpenRecorder(nullptr);
}

void HeadlessSession::OnPresent(const char* what) {
    if (std::string(what) == "render") {
        char name[32];
        std::snprintf(name, sizeof name, "loading-%02d", ++renders_);
        Shoot(name);
        return;
    }
    OnFrame();
}

void HeadlessSession::OnFrame() {
    const auto now = std::chrono::steady_clock::now();
    frameMs_.push_back(std::chrono::duration<double, std::milli>(now - lastFrame_).count());
    lastFrame_ = now;
    ++frames_;
    if (mainMenuMs_ < 0 && AppState == StateMainMenu)
        mainMenuMs_ = std::chrono::duration<double, std::milli>(now - started_).count();

    if (const auto actions = script_.find(frames_); actions != script_.end())
        for (const ScriptAction& action : actions->second)
            if (action.kind == ScriptAction::Kind::Shot) Shoot(action.name);

    if (frames_ >= options_.frames) {
        Shoot("last");
        if (!exitRequested_) iExit();
        exitRequested_ = true;
        return;
    }
    // Input for the next frame goes onto the queue now, so its pump takes it.
    if (const auto actions = script_.find(frames_ + 1); actions != script_.end())
        for (const ScriptAction& action : actions->second) injector_.Push(action);
    if (options_.frameMs > 0) platform::AdvanceClock(options_.frameMs / 1000.0);
}

void HeadlessSession::Shoot(const std::string& name) {
    if (options_.shotsFolder.empty()) return;
    const std::string path = (std::filesystem::path(options_.shotsFolder) / (name + ".png")).string();
    if (iFrameCapture(path.c_str()) != 0) shots_.push_back(name);
}

bool HeadlessSession::WriteReport() const {
    if (options_.reportFile.empty()) return true;
    std::ostringstream json;
    json << "{\n"
         << "  \"frames\": " << frames_ << ",\n"
         << "  \"app_state\": " << static_cast<int>(AppState.load()) << ",\n"
         << "  \"wall_ms\": " << wallMs_ << ",\n"
         << "  \"frame_ms_median\": " << Percentile(frameMs_, 0.5) << ",\n"
         << "  \"frame_ms_p99\": " << Percentile(frameMs_, 0.99) << ",\n"
         << "  \"main_menu_ms\": " << mainMenuMs_ << ",\n"
         << "  \"loading_pictures\": " << renders_ << ",\n"
         << "  \"shots\": " << JsonList(shots_) << ",\n"
         << "  \"opened\": " << JsonList(opened_) << ",\n"
         << "  \"missing_files\": " << JsonList(missingFiles_) << "\n"
         << "}\n";
    std::ofstream out(options_.reportFile, std::ios::binary);
    out << json.str();
    return static_cast<bool>(out);
}
