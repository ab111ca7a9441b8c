// SoundSystem: one opening of the engine's sound: the device, the sounds and the streaming thread.
//
// The engine opens it with iEngineOpen and closes it with iEngineClose; closing
// ends every sound, and handles from an earlier opening find nothing afterwards.
// While it is closed every sound function does nothing and creates return 0.
#pragma once

#include <cstdint>
#include <thread>

#include "engine/engine.h"
#include "engine/sound_device.h"
#include "engine/sound_store.h"

namespace engine {

class SoundSystem {
public:
    enum class Output { Default, Loopback };

    static SoundSystem* Active();

    SoundSystem(Output output, int loopbackRate);
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;
    ~SoundSystem();

    SoundDevice device;  // first, so it is closed last
    SoundStore store;

private:
    std::jthread streamer_;  // services music on a real device; none on loopback or without a device
};

// Opens sound on the default output. Always leaves sound open: without an audio
// device (or on OpenAL Soft's null driver) sound is silent, every function still
// works, and the log says "engine: no audio output; sound is silent" once.
void SoundOpen();
// Tests and tools: sound on a loopback device at rate frames per second, mixed
// only by SoundRender. False (and sound closed) when OpenAL lacks loopback.
bool SoundOpenLoopback(int rate);
void SoundClose();
bool SoundHasOutput();
// Mixes frames stereo frames (left, right interleaved) of a loopback opening,
// servicing music between pieces; does nothing on other openings.
void SoundRender(float* stereo, int frames);
// The listener follows the listener camera: the engine's frame calls this with
// the camera's world position and its forward and up directions.
void SoundListenerUpdate(const Vec3& position, const Vec3& forward, const Vec3& up);

}  // namespace engine
