// Sound encoding: the Ogg stream is the same on every run, and the music loops
// and the motor loops join without a jump.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <sndfile.h>

#include "generated_data.h"
#include "tools/assetgen/audio_writer.h"
#include "tools/assetgen/asset_catalog.h"

namespace assetgen_test {
namespace {

struct Decoded {
    int channels = 0, rate = 0;
    std::vector<float> samples;
};

Decoded Decode(const std::filesystem::path& file) {
    Decoded decoded;
    SF_INFO info{};
    SNDFILE* sound = sf_open(file.c_str(), SFM_READ, &info);
    if (!sound) return decoded;
    decoded.channels = info.channels;
    decoded.rate = info.samplerate;
    decoded.samples.resize(static_cast<size_t>(info.frames * info.channels));
    sf_readf_float(sound, decoded.samples.data(), info.frames);
    sf_close(sound);
    return decoded;
}

// The jump from the last frame to the first, against the largest step inside.
void ExpectSeamless(const Decoded& sound, const std::string& name) {
    ASSERT_GT(sound.samples.size(), 100u) << name;
    const int c = sound.channels;
    const size_t frames = sound.samples.size() / c;
    for (int channel = 0; channel < c; ++channel) {
        float largest = 0;
        for (size_t f = 1; f < frames; ++f) {
            largest = std::max(
                largest, std::fabs(sound.samples[f * c + channel] - sound.samples[(f - 1) * c + channel]));
        }
        const float seam = std::fabs(sound.samples[channel] - sound.samples[(frames - 1) * c + channel]);
        EXPECT_LE(seam, largest) << name << " channel " << channel;
    }
}

TEST(AudioWriter, OggStreamsAreIdenticalRunToRun) {
    std::vector<float> tone(44100 * 2);
    for (size_t i = 0; i < tone.size(); ++i) tone[i] = 0.3f * std::sin(i * 0.02f);
    const assetgen::Bytes first = assetgen::EncodeOgg(tone, 2, 44100, 0.3);
    const assetgen::Bytes second = assetgen::EncodeOgg(tone, 2, 44100, 0.3);
    ASSERT_GT(first.size(), 100u);
    EXPECT_EQ(first, second);
    EXPECT_EQ(std::memcmp(first.data(), "OggS", 4), 0);
}

TEST(AudioWriter, SerialFixRejectsBrokenPagesAndKeepsTheStreamDecodable) {
    assetgen::Bytes broken = {'O', 'g', 'g', 'S', 0, 0};
    EXPECT_FALSE(assetgen::SetOggSerial(broken, 7));
    std::vector<float> tone(22050);
    for (size_t i = 0; i < tone.size(); ++i) tone[i] = 0.3f * std::sin(i * 0.05f);
    assetgen::Bytes ogg = assetgen::EncodeOgg(tone, 1, 22050, 0.3);
    ASSERT_TRUE(assetgen::SetOggSerial(ogg, 12345));
    const auto file = std::filesystem::temp_directory_path() / "assetgen-test-serial.ogg";
    assetgen::WriteFileOrThrow(file, ogg.data(), ogg.size());
    const Decoded decoded = Decode(file);
    std::filesystem::remove(file);
    EXPECT_EQ(decoded.samples.size(), tone.size());  // every page's checksum still holds
}

TEST(GeneratedSound, MusicLastsAMinuteAndLoopsCleanly) {
    for (const char* name : {"musmenu", "musgame1", "musgame2", "musgame3"}) {
        const Decoded music = Decode(GeneratedRoot() / "sound" / (std::string(name) + ".ogg"));
        ASSERT_EQ(music.channels, 2) << name;
        EXPECT_GE(music.samples.size() / 2.0 / music.rate, 60.0) << name;
        ExpectSeamless(music, name);
    }
}

TEST(GeneratedSound, EffectsDecodeAndMotorLoopsJoin) {
    for (const auto& entry : assetgen::Catalog()) {
        if (entry.path.rfind("sound/", 0) != 0 || entry.path.find(".ogg") != std::string::npos) continue;
        const Decoded effect = Decode(GeneratedRoot() / entry.path);
        EXPECT_EQ(effect.channels, 1) << entry.path;
        EXPECT_FALSE(effect.samples.empty()) << entry.path;
    }
    for (const char* loop : {"16.wav", "a1.wav", "a2.wav", "b.wav"}) {
        ExpectSeamless(Decode(GeneratedRoot() / "sound" / loop), loop);
    }
}

}  // namespace
}  // namespace assetgen_test
