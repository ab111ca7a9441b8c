// SoundDevice: the OpenAL Soft device and context that every sound plays through.
//
// Three kinds of opening:
// - the system's default output;
// - a loopback device (tests and tools): nothing reaches a speaker, and the
//   caller pulls the mix with Render, so time advances only as it renders;
// - none: no device could be opened. Then no OpenAL call may be made, and the
//   sounds keep their own books (SoundStore).
// OpenAL Soft's "null" driver opens a device that plays to nowhere; it counts
// as an opening without output, but OpenAL still runs its sources in real time.
#pragma once

#include <AL/alc.h>

#include "engine/engine.h"

namespace engine {

class SoundDevice {
public:
    SoundDevice() = default;
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;
    ~SoundDevice();

    bool OpenDefault();
    bool OpenLoopback(int rate);  // float stereo at rate frames per second
    void Close();

    bool Usable() const { return context_ != nullptr; }  // OpenAL calls may be made
    bool HasOutput() const { return output_; }          // someone could hear it
    bool IsLoopback() const { return loopback_; }
    int Rate() const { return rate_; }

    // Mixes frames stereo frames (left, right interleaved floats) on a loopback device.
    void Render(float* stereo, int frames);

    // The listener in world space (left-handed: +x right, +y up, +z forward).
    // forward and up need not be unit length; a zero forward keeps the old orientation.
    void SetListener(const Vec3& position, const Vec3& forward, const Vec3& up);

private:
    bool MakeContext(const int* attributes);

    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    bool output_ = false;
    bool loopback_ = false;
    int rate_ = 0;
};

}  // namespace engine
