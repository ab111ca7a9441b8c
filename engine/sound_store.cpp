// Sounds: loading, playing, stopping, gain and place, on OpenAL or on the store's own books.
#include "engine/sound_store.h"

#include <AL/al.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/engine_log.h"
#include "platform/platform.h"

namespace engine {
namespace {

// Music shorter than this is taken as damaged: its first piece must decode.
constexpr int64_t kMusicProbeFrames = 256;

double SecondsSince(uint64_t counter) {
    const uint64_t now = platform::PerformanceCounter();
    const uint64_t frequency = platform::PerformanceFrequency();
    if (frequency == 0 || now < counter) return 0;
    return double(now - counter) / double(frequency);
}

}  // namespace

SoundStore::SoundStore(SoundDevice& device) : device_(device), sounds_(HandleFamily::Sound) {}

SoundStore::~SoundStore() {
    std::lock_guard lock(mutex_);
    sounds_.ForEach([](EngineHandle, Sound& sound) { Release(sound); });
}

void SoundStore::Release(Sound& sound) {
    sound.stream.reset();
    if (sound.source) {
        alSourceStop(sound.source);
        alSourcei(sound.source, AL_BUFFER, 0);
        alDeleteSources(1, &sound.source);
    }
    if (sound.buffer) alDeleteBuffers(1, &sound.buffer);
    sound.source = sound.buffer = 0;
}

unsigned SoundStore::NewSource(bool positional) {
    ALuint source = 0;
    alGetError();
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR) return 0;
    alSourcef(source, AL_MAX_GAIN, kMaxGain);
    if (positional) {
        alSourcef(source, AL_REFERENCE_DISTANCE, kReferenceDistance);
        alSourcef(source, AL_ROLLOFF_FACTOR, 1.0f);
    } else {
        alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
        alSource3f(source, AL_POSITION, 0, 0, 0);
        alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
    }
    return source;
}

EngineHandle SoundStore::Create(const std::string& programPath, bool positional) {
    SoundFile file;
    std::string error;
    std::vector<int16_t> samples;
    if (!file.Open(platform::ResolvePath(programPath), positional, &error) || !file.ReadAll(samples, &error)) {
        EngineLog::CannotLoad(programPath, error);
        return 0;
    }
    Sound sound;
    sound.positional = positional;
    sound.seconds = double(samples.size() / size_t(file.Channels())) / double(file.Rate());

    std::lock_guard lock(mutex_);
    if (device_.Usable()) {
        alGetError();
        alGenBuffers(1, &sound.buffer);
        const ALenum format = file.Channels() == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
        alBufferData(sound.buffer, format, samples.data(), ALsizei(samples.size() * sizeof(int16_t)), file.Rate());
        sound.source = alGetError() == AL_NO_ERROR ? NewSource(positional) : 0;
        if (!sound.source) {
            Release(sound);
            EngineLog::CannotLoad(programPath, "no OpenAL buffer or source left");
            return 0;
        }
        alSourcei(sound.source, AL_BUFFER, ALint(sound.buffer));
    }
    return Add(std::move(sound));
}

EngineHandle SoundStore::CreateMusic(const std::string& programPath) {
    auto file = std::make_unique<SoundFile>();
    std::string error;
    std::vector<int16_t> probe;
    if (!file->Open(platform::ResolvePath(programPath), false, &error)) {
        EngineLog::CannotLoad(programPath, error);
        return 0;
    }
    if (file->Read(probe, kMusicProbeFrames) == 0 || !file->Rewind()) {
        EngineLog::CannotLoad(programPath, "no samples");
        return 0;
    }
    Sound sound;
    sound.seconds = double(std::max<int64_t>(file->Frames(), 0)) / double(file->Rate());

    std::lock_guard lock(mutex_);
    if (device_.Usable()) {
        sound.source = NewSource(false);
        if (sound.source) sound.stream = std::make_unique<MusicStream>(std::move(file), sound.source);
        if (!sound.stream || !sound.stream->Valid()) {
            Release(sound);
            EngineLog::CannotLoad(programPath, "no OpenAL buffer or source left");
            return 0;
        }
    }
    return Add(std::move(sound));
}

EngineHandle SoundStore::Add(Sound sound) {
    const EngineHandle handle = sounds_.Add(std::move(sound));
    if (handle == 0) {
        EngineLog::Write("too many sounds");
    }
    return handle;
}

void SoundStore::Play(EngineHandle handle, bool loop) {
    std::lock_guard lock(mutex_);
    Sound* sound = sounds_.Get(handle);
    if (!sound) return;
    sound->playing = true;
    sound->looping = loop;
    sound->startedAt = platform::PerformanceCounter();
    if (sound->stream) {
        sound->stream->Start(loop);
    } else if (sound->source) {
        if (sound->located && !sound->locationSent) SendLocation(*sound);
        alSourceStop(sound->source);
        alSourceRewind(sound->source);
        alSourcei(sound->source, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
        alSourcePlay(sound->source);
    }
}

void SoundStore::Stop(EngineHandle handle) {
    std::lock_guard lock(mutex_);
    Sound* sound = sounds_.Get(handle);
    if (!sound) return;
    // A source never played since it was made or stopped is silent already.
    if (!sound->playing && !sound->stream) return;
    sound->playing = false;
    if (sound->stream) {
        sound->stream->Stop();
    } else if (sound->source) {
        alSourceStop(sound->source);
    }
}

bool SoundStore::Playing(EngineHandle handle) {
    std::lock_guard lock(mutex_);
    Sound* sound = sounds_.Get(handle);
    if (!sound) return false;
    if (sound->stream) {
        sound->stream->Service();
        return sound->stream->Playing();
    }
    if (sound->source) {
        ALint state = AL_STOPPED;
        alGetSourcei(sound->source, AL_SOURCE_STATE, &state);
        return state == AL_PLAYING;
    }
    return sound->playing && (sound->looping || SecondsSince(sound->startedAt) < sound->seconds);
}

void SoundStore::SetGain(EngineHandle handle, float gain) {
    std::lock_guard lock(mutex_);
    Sound* sound = sounds_.Get(handle);
    if (!sound || !sound->source) return;
    const float clamped = std::isfinite(gain) ? std::clamp(gain, 0.0f, kMaxGain) : 0.0f;
    if (clamped == sound->gain) return;
    sound->gain = clamped;
    alSourcef(sound->source, AL_GAIN, clamped);
}

void SoundStore::SetLocation(EngineHandle handle, const Vec3& location) {
    std::lock_guard lock(mutex_);
    Sound* sound = sounds_.Get(handle);
    if (!sound || !sound->source || !sound->positional) return;
    if (!std::isfinite(location.x) || !std::isfinite(location.y) || !std::isfinite(location.z)) return;
    const bool same = sound->located && location.x == sound->location.x && location.y == sound->location.y &&
                      location.z == sound->location.z;
    if (same && sound->locationSent) return;
    sound->located = true;
    sound->location = location;
    sound->locationSent = false;
    if (sound->playing) SendLocation(*sound);
}

void SoundStore::SendLocation(Sound& sound) {
    // Left-handed world to OpenAL's right-handed space: mirror z.
    alSource3f(sound.source, AL_POSITION, sound.location.x, sound.location.y, -sound.location.z);
    sound.locationSent = true;
}

void SoundStore::ServiceStreams() {
    std::lock_guard lock(mutex_);
    sounds_.ForEach([](EngineHandle, Sound& sound) {
        if (sound.stream) sound.stream->Service();
    });
}

size_t SoundStore::Count() {
    std::lock_guard lock(mutex_);
    return sounds_.Count();
}

}  // namespace engine
