// The headless runner's session: drives the program through the engine's observers.
#include "headless_session.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <ctime>

#include "core/app_state.h"
#include "core/music.h"
#include "core/race_choices.h"
#include "core/program_objects.h"
#include "core/shared_objects.h"
#include "engine/engine.h"
#include "engine/live_objects.h"
#include "platform/platform.h"
#include "platform/sdl_bridge.h"

namespace {
// The length of the well-formed UTF-8 sequence at text[i], or 0 when the bytes there are not one.
size_t Utf8SequenceLength(const std::string& text, size_t i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    size_t length = 0;
    uint32_t code = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2, code = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, code = lead & 0x0F;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, code = lead & 0x07;
    else return 0;
    if (i + length > text.size()) return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    // Overlong forms, UTF-16 surrogates and code points past U+10FFFF are not UTF-8.
    const uint32_t least[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < least[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 0;
    return length;
}

// A JSON string of text: control characters escaped, and every byte that is not
// part of well-formed UTF-8 (a damaged file's name or contents quoted in a log
// line) written as U+FFFD, so the report is valid UTF-8 JSON whatever it quotes.
std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        const size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            out += "\\ufffd";
            ++i;
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (length == 1 && (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out.append(text, i, length);
        }
        i += length;
    }
    return out + "\"";
}

// A JSON number; null for a value that is not finite (a body flung away by damaged data).
std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    std::ostringstream out;
    out << value;
    return out.str();
}

// [{"model": 2, "instance": 1, "laps": 2, "lap_times_s": [14.2, 13.1], "resets": 0}, ...]
std::string JsonCars(const std::vector<AiRace::CarResult>& cars) {
    std::ostringstream out;
    out << "[";
    for (size_t i = 0; i < cars.size(); ++i) {
        const AiRace::CarResult& car = cars[i];
        out << (i ? ", " : "") << "{\"model\": " << car.model << ", \"instance\": " << car.instance
            << ", \"laps\": " << car.laps << ", \"lap_times_s\": [";
        for (size_t lap = 0; lap < car.lapTimes.size(); ++lap) out << (lap ? ", " : "") << JsonNumber(car.lapTimes[lap]);
        out << "], \"resets\": " << car.resets << "}";
    }
    out << "]";
    return out.str();
}

std::string JsonNumbers(const std::vector<double>& values) {
    std::ostringstream out;
    out << "[";
    for (size_t i = 0; i < values.size(); ++i) out << (i ? ", " : "") << JsonNumber(values[i]);
    out << "]";
    return out.str();
}

std::string JsonList(const std::vector<std::string>& items) {
    std::string out = "[";
    for (size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + JsonString(items[i]);
    return out + "]";
}

// [{"frame": 12, "event": "level 1 track 3"}, ...]
std::string JsonEvents(const std::vector<std::pair<int, std::string>>& events) {
    std::string out = "[";
    for (size_t i = 0; i < events.size(); ++i) {
        out += (i ? ", " : "") + std::string("{\"frame\": ") + std::to_string(events[i].first) +
               ", \"event\": " + JsonString(events[i].second) + "}";
    }
    return out + "]";
}

// {"model": 2, "instance": 1, "frame": 2310, "checkpoints": 41}
std::string JsonFinishCar(const FinishWatch::Car& car) {
    return "{\"model\": " + std::to_string(car.model) + ", \"instance\": " + std::to_string(car.instance) +
           ", \"frame\": " + std::to_string(car.frame) + ", \"checkpoints\": " + std::to_string(car.checkpoints) +
           "}";
}

// [{"level": 1, "track": 3, "place": 1, "player": {car}, "opponents": [{car}, ...]}, ...]
// The process's resident memory in KiB (VmRSS), 0 where /proc cannot tell.
long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

// [{"frame": 40, "objects": 212, "rss_kb": 183220}, ...]
std::string JsonSamples(const std::vector<HeadlessSession::Sample>& samples) {
    std::ostringstream out;
    out << "[";
    for (size_t i = 0; i < samples.size(); ++i)
        out << (i ? ", " : "") << "{\"frame\": " << samples[i].frame << ", \"objects\": " << samples[i].objects
            << ", \"rss_kb\": " << samples[i].rssKb << "}";
    out << "]";
    return out.str();
}

std::string JsonFinishes(const std::vector<FinishWatch::Level>& levels) {
    std::string out = "[";
    for (size_t i = 0; i < levels.size(); ++i) {
        const FinishWatch::Level& level = levels[i];
        out += (i ? ",\n    " : "\n    ") + std::string("{\"level\": ") + std::to_string(level.level) +
               ", \"track\": " + std::to_string(level.track) + ", \"place\": " + std::to_string(level.place) +
               ", \"player\": " + JsonFinishCar(level.player) + ", \"opponents\": [";
        for (size_t k = 0; k < level.opponents.size(); ++k) out += (k ? ", " : "") + JsonFinishCar(level.opponents[k]);
        out += "]}";
    }
    return out + "]";
}

// CPU time of the whole process so far (every thread: the rasteriser's too), in ms.
double ProcessCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1.0e6;
}

double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, static_cast<size_t>(fraction * (values.size() - 1) + 0.5));
    return values[index];
}
}  // namespace

HeadlessSession::HeadlessSession(RunnerOptions options, InputScript script)
    : options_(std::move(options)), script_(std::move(script)) {
    for (const auto& [frame, actions] : script_) {
        for (const ScriptAction& action : actions) {
            windowShots_ = windowShots_ || action.kind == ScriptAction::Kind::WindowSize;
        }
    }
}

void HeadlessSession::Run() {
    if (!options_.dataFolder.empty()) platform::SetProgramFolder(options_.dataFolder);
    if (!options_.shotsFolder.empty()) std::filesystem::create_directories(options_.shotsFolder);
    if (options_.frameMs > 0) platform::UseManualClock(options_.startMs);
    platform::SetOpenRecorder(&opened_);
    if (options_.desktopWidth > 0) {
        platform::SimulateDesktop(options_.desktopWidth, options_.desktopHeight, options_.desktopDpi);
    }
    if (options_.padDrive) autoDriver_.UsePad();

    iLogObserverSet([this](const char* line) {
        if (std::string(line).find("cannot load") != std::string::npos) missingFiles_.push_back(line);
    });
    iPresentObserverSet([this](const char* what) { OnPresent(what); });

    ProgramOptions programOptions;
    programOptions.seed = options_.seed;
    if (!options_.server.empty()) programOptions.scoreServer = options_.server;
    if (options_.newGameDifficulty && options_.newGameCar) {
        programOptions.newGame = NewGameChoice{*options_.newGameDifficulty, *options_.newGameCar};
    }
    iEngineDrawingSet(options_.noDraw ? 0 : -1);
    started_ = lastFrame_ = std::chrono::steady_clock::now();
    lastCpuMs_ = ProcessCpuMs();
    {
        ProgramObjects program(programOptions);
        program_ = &program;
        program.Run();
        if (const TGame* game = program.Race()) {
            CollectEvents(*game);
            race_.score = game->GetScore();
            race_.lives = game->GetLives();
            race_.level = game->GetLevel();
            race_.track = game->TrackNo;
            race_.lapsLeft = game->LapsLeft;
            race_.place = game->Place;
            if (const TCar* car = game->PlayerCar()) {
                race_.playerCar[0] = car->Location.x;
                race_.playerCar[1] = car->Location.y;
                race_.playerCar[2] = car->Location.z;
                race_.playerCar[3] = static_cast<float>(car->Heading);
            }
            race_.finishes = finishWatch_.Levels();
        }
        program_ = nullptr;
    }
    if (aiRace_) {
        aiSeconds_ = aiRace_->SimSeconds();
        aiCars_ = aiRace_->Results();
        aiRace_.reset();
    }
    if (sending_) {
        sendingMs_.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - sendingSince_).count());
    }
    iEngineDrawingSet(-1);
    platform::SimulateDesktop(0, 0, 0);
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
    const double cpuMs = ProcessCpuMs();
    frameCpuMs_.push_back(cpuMs - lastCpuMs_);
    lastCpuMs_ = cpuMs;
    ++frames_;
    if (mainMenuMs_ < 0 && AppState == StateMainMenu)
        mainMenuMs_ = std::chrono::duration<double, std::milli>(now - started_).count();
    if (program_ && program_->Race()) {
        CollectEvents(*program_->Race());
        finishWatch_.Step(*program_->Race(), frames_);
    }
    const Vec3 camera = iCameraLocation(Shared.MainCamera);
    camera_[0] = camera.x;
    camera_[1] = camera.y;
    camera_[2] = camera.z;
    music_ = -1;
    for (size_t i = 0; i < Shared.MusicTracks.size(); ++i) {
        if (iSoundPlaying(Shared.MusicTracks[i]) != 0) music_ = static_cast<int>(i);
    }

    if (const auto actions = script_.find(frames_); actions != script_.end()) {
        for (const ScriptAction& action : actions->second) {
            if (action.kind == ScriptAction::Kind::Shot) Shoot(action.name);
            if (action.kind == ScriptAction::Kind::Sample) samples_.push_back({frames_, engine::LiveObjects(), ResidentKb()});
        }
    }

    if (frames_ >= options_.frames) {
        Shoot("last");
        if (!exitRequested_) iExit();
        exitRequested_ = true;
        return;
    }
    AiRaceFrame();
    PaceNetworkWait();
    pads_ = iPadCount();
    if (options_.padDrive && frames_ == 1) injector_.Pad().Attach();
    if (options_.autodrive || options_.padDrive) autoDriver_.Step(program_ ? program_->Race() : nullptr, injector_);
    // Input for the next frame goes onto the queue now, so its pump takes it.
    // The last frame is photographed only when there is a folder for the shots.
    bool shotNext = frames_ + 1 >= options_.frames && !options_.shotsFolder.empty();
    if (const auto actions = script_.find(frames_ + 1); actions != script_.end()) {
        for (const ScriptAction& action : actions->second) {
            injector_.Push(action);
            shotNext = shotNext || action.kind == ScriptAction::Kind::Shot;
            if (action.kind == ScriptAction::Kind::Shot) TakeWindowShotNext(action.name);
        }
    }
    if (frames_ + 1 == options_.frames) TakeWindowShotNext("last");
    // Under --no-draw the frames that are photographed are still drawn.
    if (options_.noDraw) iEngineDrawingSet(shotNext ? -1 : 0);
    if (options_.frameMs > 0) platform::AdvanceClock(options_.frameMs / 1000.0);
}

void HeadlessSession::PaceNetworkWait() {
    constexpr double kNetworkFrameMs = 10;
    const auto now = std::chrono::steady_clock::now();
    const bool sending = AppState == StateSending;
    if (sending && !sending_) sendingSince_ = now;
    if (!sending && sending_) {
        sendingMs_.push_back(std::chrono::duration<double, std::milli>(now - sendingSince_).count());
    }
    sending_ = sending;
    if (!sending) return;
    const double spent = std::chrono::duration<double, std::milli>(now - lastFrame_).count();
    if (spent < kNetworkFrameMs) {
        std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(kNetworkFrameMs - spent));
    }
}

void HeadlessSession::AiRaceFrame() {
    if (!options_.aiRaceTrack) return;
    if (!aiRace_) {
        if (AppState != StateMainMenu) return;
        // The first menu frame's FrameScale still holds the start-up's time, so the
        // race runs from the next frame on.
        StopMusic();
        aiRace_ = std::make_unique<AiRace>(*options_.aiRaceTrack, Shared.MainCamera, options_.aiCars);
        aiRaceBuiltMs_ =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started_).count();
        return;
    }
    aiRace_->Step();
}

void HeadlessSession::CollectEvents(const TGame& game) {
    const std::vector<std::string>& lines = game.Events().Lines();
    for (size_t i = race_.events.size(); i < lines.size(); ++i) race_.events.emplace_back(frames_, lines[i]);
}

void HeadlessSession::TakeWindowShotNext(const std::string& name) {
    if (options_.shotsFolder.empty() || (options_.desktopWidth <= 0 && !windowShots_)) return;
    const std::string path = (std::filesystem::path(options_.shotsFolder) / (name + "-window.png")).string();
    iWindowCaptureNext(path.c_str());
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
         << "  \"difficulty\": " << CurrentDifficulty << ",\n"
         << "  \"car\": " << SelectedCar << ",\n"
         << "  \"wall_ms\": " << wallMs_ << ",\n"
         << "  \"frame_ms_median\": " << Percentile(frameMs_, 0.5) << ",\n"
         << "  \"frame_ms_p99\": " << Percentile(frameMs_, 0.99) << ",\n"
         << "  \"frame_ms\": " << JsonNumbers(frameMs_) << ",\n"
         << "  \"frame_cpu_ms\": " << JsonNumbers(frameCpuMs_) << ",\n"
         << "  \"main_menu_ms\": " << mainMenuMs_ << ",\n"
         << "  \"loading_pictures\": " << renders_ << ",\n"
         << "  \"shots\": " << JsonList(shots_) << ",\n"
         << "  \"opened\": " << JsonList(opened_) << ",\n"
         << "  \"sending_ms\": " << JsonNumbers(sendingMs_) << ",\n"
         << "  \"missing_files\": " << JsonList(missingFiles_) << ",\n"
         << "  \"camera\": [" << JsonNumber(camera_[0]) << ", " << JsonNumber(camera_[1]) << ", " << JsonNumber(camera_[2])
         << "],\n"
         << "  \"music\": " << music_ << ",\n"
         << "  \"pads\": " << pads_ << ",\n"
         << "  \"score\": " << race_.score << ",\n"
         << "  \"lives\": " << race_.lives << ",\n"
         << "  \"level\": " << race_.level << ",\n"
         << "  \"track\": " << race_.track << ",\n"
         << "  \"laps_left\": " << race_.lapsLeft << ",\n"
         << "  \"place\": " << race_.place << ",\n"
         << "  \"player_car\": [" << JsonNumber(race_.playerCar[0]) << ", " << JsonNumber(race_.playerCar[1]) << ", "
         << JsonNumber(race_.playerCar[2]) << ", " << JsonNumber(race_.playerCar[3]) << "],\n"
         << "  \"events\": " << JsonEvents(race_.events) << ",\n"
         << "  \"finishes\": " << JsonFinishes(race_.finishes) << ",\n"
         << "  \"samples\": " << JsonSamples(samples_) << ",\n"
         << "  \"sim_seconds\": " << JsonNumber(aiSeconds_) << ",\n"
         << "  \"ai_race_built_ms\": " << aiRaceBuiltMs_ << ",\n"
         << "  \"cars\": " << JsonCars(aiCars_) << "\n"
         << "}\n";
    std::ofstream out(options_.reportFile, std::ios::binary);
    out << json.str();
    return static_cast<bool>(out);
}
