// Opening and closing the engine's sound, and the thread that keeps music flowing.
#include "engine/sound_system.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "engine/engine_log.h"

namespace engine {
namespace {

constexpr auto kStreamPeriod = std::chrono::milliseconds(40);
constexpr int kRenderPiece = 1024;  // frames mixed between two services of music

SoundSystem*& ActiveInstance() {
    static SoundSystem* instance = nullptr;
    return instance;
}

void Install(SoundSystem* system) {
    delete ActiveInstance();
    ActiveInstance() = system;
}

}  // namespace

SoundSystem* SoundSystem::Active() { return ActiveInstance(); }

SoundSystem::SoundSystem(Output output, int loopbackRate) : store(device) {
    if (output == Output::Loopback) {
        device.OpenLoopback(loopbackRate);
        return;
    }
    device.OpenDefault();
    if (!device.HasOutput()) EngineLog::Write("no audio output; sound is silent");
    if (!device.Usable()) return;
    streamer_ = std::jthread([this](std::stop_token stop) {
        std::mutex mutex;
        std::condition_variable_any wake;
        std::unique_lock lock(mutex);
        while (!stop.stop_requested()) {
            wake.wait_for(lock, stop, kStreamPeriod, [] { return false; });
            if (!stop.stop_requested()) store.ServiceStreams();
        }
    });
}

SoundSystem::~SoundSystem() {
    if (streamer_.joinable()) {
        streamer_.request_stop();
        streamer_.join();
    }
}

// An earlier opening closes first: its sounds must be released while its own context is current.
void SoundOpen() {
    Install(nullptr);
    Install(new SoundSystem(SoundSystem::Output::Default, 0));
}

bool SoundOpenLoopback(int rate) {
    Install(nullptr);
    auto* system = new SoundSystem(SoundSystem::Output::Loopback, rate);
    if (!system->device.Usable()) {
        delete system;
        return false;
    }
    Install(system);
    return true;
}

void SoundClose() { Install(nullptr); }

bool SoundHasOutput() {
    const SoundSystem* system = SoundSystem::Active();
    return system && system->device.HasOutput();
}

void SoundRender(float* stereo, int frames) {
    SoundSystem* system = SoundSystem::Active();
    if (!system || !system->device.IsLoopback() || !stereo) return;
    for (int done = 0; done < frames;) {
        const int piece = std::min(kRenderPiece, frames - done);
        system->store.ServiceStreams();
        system->device.Render(stereo + size_t(done) * 2, piece);
        done += piece;
    }
}

void SoundListenerUpdate(const Vec3& position, const Vec3& forward, const Vec3& up) {
    if (SoundSystem* system = SoundSystem::Active()) system->device.SetListener(position, forward, up);
}

}  // namespace engine
