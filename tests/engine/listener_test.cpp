// The listener follows the listener camera: the engine's frame hands its place and turn to the sound.
#include "tests/engine/engine_fixture.h"
#include "tests/engine/frame_driver.h"

#include <cmath>
#include <cstring>

#include "engine/sound_system.h"

namespace {

constexpr int kRate = 22050;

// A mono 16-bit WAV file of a 300 Hz tone, a fifth of a second long.
std::string ToneWav() {
    const int frames = kRate / 5;
    std::string samples;
    for (int i = 0; i < frames; ++i) {
        const auto value = int16_t(std::lround(16000 * std::sin(2 * 3.14159265 * 300 * i / kRate)));
        samples.append(reinterpret_cast<const char*>(&value), 2);
    }
    auto u32 = [](uint32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [](uint16_t v) { return std::string(reinterpret_cast<const char*>(&v), 2); };
    return "RIFF" + u32(uint32_t(36 + samples.size())) + "WAVE" + "fmt " + u32(16) + u16(1) + u16(1) +
           u32(kRate) + u32(kRate * 2) + u16(2) + u16(16) + "data" + u32(uint32_t(samples.size())) + samples;
}

// The loudness of the left and the right channel over a tenth of a second of the mix.
std::pair<double, double> LeftAndRight() {
    std::vector<float> mix(size_t(kRate / 10) * 2);
    engine::SoundRender(mix.data(), kRate / 10);
    double left = 0, right = 0;
    for (size_t i = 0; i < mix.size(); i += 2) {
        left += double(mix[i]) * mix[i];
        right += double(mix[i + 1]) * mix[i + 1];
    }
    return {std::sqrt(left * 2 / double(mix.size())), std::sqrt(right * 2 / double(mix.size()))};
}

using ListenerTest = EngineTest;

TEST_F(ListenerTest, EachFrameTheListenerTakesTheListenerCamerasPlaceAndTurn) {
    if (!engine::SoundOpenLoopback(kRate)) GTEST_SKIP() << "OpenAL Soft without loopback";
    WriteFile("sound/tone.wav", ToneWav());
    StartManualFrames();
    const EngineHandle camera = iCameraCreate(0, 0, 1, 1);
    iListenerCameraSet(camera);
    const EngineHandle sound = iSoundCreate("sound\\tone.wav", -1);
    ASSERT_NE(sound, 0);
    iSoundLocationSet(sound, {-4, 0, 20});
    iSoundPlayNow(sound, -1);

    // At (0, 0, 20) facing +z: the sound at -x is on the left.
    iCameraLocationSet(camera, {0, 0, 20});
    RunFrame(0.02f);
    auto [left, right] = LeftAndRight();
    EXPECT_GT(left, 0.02);
    EXPECT_GT(left, 2 * right);
    const double near = left + right;

    // Turned to face -z, the same sound is on the right; nothing changes before the frame ends.
    iCameraEulerOrientationSet(camera, 0, 180, 0, "xyz");
    std::tie(left, right) = LeftAndRight();
    EXPECT_GT(left, 2 * right);
    RunFrame(0.02f);
    std::tie(left, right) = LeftAndRight();
    EXPECT_GT(right, 2 * left);

    // Far off, the sound fades: the listener moved with the camera.
    iCameraLocationSet(camera, {0, 0, 200});
    RunFrame(0.02f);
    std::tie(left, right) = LeftAndRight();
    EXPECT_LT(left + right, 0.5 * near);
    engine::SoundClose();
}

}  // namespace
