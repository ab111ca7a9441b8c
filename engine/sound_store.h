// SoundStore: the sounds behind sound handles, their OpenAL sources and buffers, and their play state.
//
// Short sounds are decoded whole into one buffer; music is streamed (MusicStream).
// 3D sounds are mono, placed in world space, and fade with distance from the
// listener (full gain within kReferenceDistance); 2D sounds sit on the listener
// and keep their stereo. Gains are linear, clamped to 0..kMaxGain: above 1 a
// sound is louder than its file, which the cars use to carry over distance.
//
// Without an OpenAL device the store keeps its own books: a sound plays from
// its start for its length (or until stopped, when looping), on the platform's
// clock, and nobody hears it.
//
// Every operation takes the store's lock: the streaming thread services music beside the game.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "engine/engine.h"
#include "engine/handle_pool.h"
#include "engine/music_stream.h"
#include "engine/sound_device.h"

namespace engine {

struct Sound {
    unsigned source = 0;
    unsigned buffer = 0;                  // 0 for music
    std::unique_ptr<MusicStream> stream;  // music only
    bool positional = false;
    double seconds = 0;  // length of one play
    // Every car sets its sounds' gain and place each frame, most of them silent:
    // the source gets a gain only when it changes, and a place only while the
    // sound plays (a silent one gets its latest place when it starts).
    float gain = 1;  // the source's gain; OpenAL starts it at 1
    Vec3 location;   // the latest place given
    bool located = false;       // a place was given
    bool locationSent = false;  // the source has that place
    // The books kept without a device.
    bool playing = false;
    bool looping = false;
    uint64_t startedAt = 0;  // platform performance counter
};

class SoundStore {
public:
    static constexpr float kMaxGain = 8.0f;
    static constexpr float kReferenceDistance = 6.0f;  // world units

    explicit SoundStore(SoundDevice& device);
    SoundStore(const SoundStore&) = delete;
    SoundStore& operator=(const SoundStore&) = delete;
    ~SoundStore();

    // Program paths; 0 and one log line when the file is missing or not a sound.
    EngineHandle Create(const std::string& programPath, bool positional);
    EngineHandle CreateMusic(const std::string& programPath);

    void Play(EngineHandle sound, bool loop);  // from the beginning
    void Stop(EngineHandle sound);
    bool Playing(EngineHandle sound);
    void SetGain(EngineHandle sound, float gain);
    void SetLocation(EngineHandle sound, const Vec3& location);  // world space; 3D sounds only
    void ServiceStreams();
    size_t Count();

private:
    EngineHandle Add(Sound sound);
    static void SendLocation(Sound& sound);
    unsigned NewSource(bool positional);
    static void Release(Sound& sound);

    SoundDevice& device_;
    std::mutex mutex_;
    HandlePool<Sound> sounds_;
};

}  // namespace engine
