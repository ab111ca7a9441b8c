// Opening OpenAL Soft: the default output or a loopback device, and the listener.
#include "engine/sound_device.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <cmath>
#include <cstring>

#include "engine/engine_log.h"

namespace engine {
namespace {

// OpenAL Soft's name for the device of its "null" driver.
constexpr const char* kNoOutputName = "No Output";

struct LoopbackFunctions {
    LPALCLOOPBACKOPENDEVICESOFT open = nullptr;
    LPALCISRENDERFORMATSUPPORTEDSOFT supported = nullptr;
    LPALCRENDERSAMPLESSOFT render = nullptr;
};

LoopbackFunctions& Loopback() {
    static LoopbackFunctions functions;
    if (!functions.open && alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback")) {
        functions.open = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
            alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
        functions.supported = reinterpret_cast<LPALCISRENDERFORMATSUPPORTEDSOFT>(
            alcGetProcAddress(nullptr, "alcIsRenderFormatSupportedSOFT"));
        functions.render = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(
            alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    }
    return functions;
}

}  // namespace

SoundDevice::~SoundDevice() { Close(); }

bool SoundDevice::OpenDefault() {
    Close();
    device_ = alcOpenDevice(nullptr);
    if (!device_) return false;
    if (!MakeContext(nullptr)) return false;
    const ALCchar* name = alcGetString(device_, ALC_ALL_DEVICES_SPECIFIER);
    output_ = !(name && std::strcmp(name, kNoOutputName) == 0);
    ALCint rate = 0;
    alcGetIntegerv(device_, ALC_FREQUENCY, 1, &rate);
    rate_ = rate;
    return true;
}

bool SoundDevice::OpenLoopback(int rate) {
    Close();
    const LoopbackFunctions& loopback = Loopback();
    if (!loopback.open || !loopback.supported || !loopback.render) return false;
    device_ = loopback.open(nullptr);
    if (!device_) return false;
    if (!loopback.supported(device_, rate, ALC_STEREO_SOFT, ALC_FLOAT_SOFT)) {
        Close();
        return false;
    }
    const int attributes[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT, ALC_FLOAT_SOFT,
                              ALC_FREQUENCY, rate, 0};
    if (!MakeContext(attributes)) return false;
    loopback_ = true;
    output_ = true;
    rate_ = rate;
    return true;
}

bool SoundDevice::MakeContext(const int* attributes) {
    context_ = alcCreateContext(device_, attributes);
    if (!context_ || !alcMakeContextCurrent(context_)) {
        Close();
        return false;
    }
    // Inverse distance, clamped: full gain within the reference distance of a
    // sound (set per source), halved at twice that distance.
    alDistanceModel(AL_INVERSE_DISTANCE_CLAMPED);
    return true;
}

void SoundDevice::Close() {
    if (context_) {
        if (alcGetCurrentContext() == context_) alcMakeContextCurrent(nullptr);
        alcDestroyContext(context_);
    }
    if (device_) alcCloseDevice(device_);
    context_ = nullptr;
    device_ = nullptr;
    output_ = false;
    loopback_ = false;
    rate_ = 0;
}

void SoundDevice::Render(float* stereo, int frames) {
    if (!loopback_ || !device_ || !stereo || frames <= 0) return;
    Loopback().render(device_, stereo, frames);
}

void SoundDevice::SetListener(const Vec3& position, const Vec3& forward, const Vec3& up) {
    if (!context_) return;
    // OpenAL's space is right-handed with the same x and y: mirror z.
    alListener3f(AL_POSITION, position.x, position.y, -position.z);
    const float forwardLength = std::sqrt(forward.x * forward.x + forward.y * forward.y + forward.z * forward.z);
    if (!(forwardLength > 1e-6f)) return;
    const float orientation[6] = {forward.x, forward.y, -forward.z, up.x, up.y, -up.z};
    alListenerfv(AL_ORIENTATION, orientation);
}

}  // namespace engine
