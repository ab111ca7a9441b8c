// Sounds mixed on a loopback device: what is heard, on which side, for how long.
#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "engine/sound_system.h"
#include "sound_test_support.h"

namespace {

using sound_test::Rms;
using sound_test::Tone;

constexpr int kRate = 44100;
constexpr double kAudible = 0.05;
constexpr double kSilent = 1e-4;

class SoundLoopback : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(engine::SoundOpenLoopback(kRate));
        // The listener stands at the origin looking along +z, +y up.
        engine::SoundListenerUpdate({0, 0, 0}, {0, 0, 1}, {0, 1, 0});
    }
    void TearDown() override { engine::SoundClose(); }

    static std::vector<float> Render(double seconds) {
        std::vector<float> stereo(size_t(seconds * kRate) * 2);
        engine::SoundRender(stereo.data(), int(stereo.size() / 2));
        return stereo;
    }

    sound_test::SoundFolder folder_;
};

TEST_F(SoundLoopback, LoopingHumIsAudibleUntilStoppedThenSilent) {
    folder_.WriteTone("sound/16.wav", Tone{.seconds = 0.1, .frequency = 110});
    const EngineHandle hum = iSoundCreate("sound\\16.wav", -1);
    ASSERT_NE(hum, 0);
    iSoundLocationSet(hum, {0, 0, 3});
    iSoundVolumeSet(hum, 1.0f);
    iSoundPlayNow(hum, -1);

    const auto playing = Render(0.5);  // five times the sound's length
    EXPECT_GT(Rms(playing, 0, size_t(0.4 * kRate)), kAudible);
    EXPECT_NE(iSoundPlaying(hum), 0);

    iSoundStop(hum, 0);
    EXPECT_EQ(iSoundPlaying(hum), 0);
    const auto stopped = Render(0.2);
    EXPECT_LT(Rms(stopped, 0, size_t(0.05 * kRate)), kSilent);
    EXPECT_LT(Rms(stopped, 1, size_t(0.05 * kRate)), kSilent);
}

TEST_F(SoundLoopback, SoundPlayedOnceEndsAfterItsLengthAndRestartsFromTheBeginning) {
    folder_.WriteTone("sound/15.wav", Tone{.seconds = 0.3});
    const EngineHandle click = iSoundCreate("sound\\15.wav", 0);
    ASSERT_NE(click, 0);
    EXPECT_EQ(iSoundPlaying(click), 0);

    iSoundPlayNow(click, 0);
    Render(0.2);
    EXPECT_NE(iSoundPlaying(click), 0);
    Render(0.15);
    EXPECT_EQ(iSoundPlaying(click), 0);
    EXPECT_LT(Rms(Render(0.1)), kSilent);

    // Played again while playing, it starts over: 0.2 s in, then 0.2 s more is still within it.
    iSoundPlayNow(click, 0);
    Render(0.2);
    iSoundPlayNow(click, 0);
    Render(0.2);
    EXPECT_NE(iSoundPlaying(click), 0);
    Render(0.15);
    EXPECT_EQ(iSoundPlaying(click), 0);
}

TEST_F(SoundLoopback, ThreeDSoundIsHeardOnTheSideItStandsInLeftHandedSpace) {
    folder_.WriteTone("sound/a1.wav", Tone{.seconds = 0.2, .frequency = 300});
    const EngineHandle sound = iSoundCreate("sound\\a1.wav", -1);
    ASSERT_NE(sound, 0);
    iSoundPlayNow(sound, -1);

    struct Case {
        Vec3 forward, location;
        bool left;
    };
    // Facing +z, -x is left. Turned to face +x, +z is on the left; facing -z, -x is on the right.
    const Case cases[] = {{{0, 0, 1}, {-4, 0, 0}, true},
                          {{0, 0, 1}, {4, 0, 0}, false},
                          {{1, 0, 0}, {0, 0, 4}, true},
                          {{1, 0, 0}, {0, 0, -4}, false},
                          {{0, 0, -1}, {-4, 0, 0}, false}};
    for (const Case& c : cases) {
        engine::SoundListenerUpdate({0, 0, 0}, c.forward, {0, 1, 0});
        iSoundLocationSet(sound, c.location);
        const auto mix = Render(0.2);
        const double left = Rms(mix, 0, size_t(0.05 * kRate));
        const double right = Rms(mix, 1, size_t(0.05 * kRate));
        const double nearer = c.left ? left : right;
        const double farther = c.left ? right : left;
        EXPECT_GT(nearer, kAudible);
        EXPECT_GT(nearer, 2 * farther) << "forward (" << c.forward.x << ", " << c.forward.z << "), sound at ("
                                       << c.location.x << ", " << c.location.z << ")";
    }
}

// A silent sound keeps the places it is given for when it starts: moved while
// stopped, it starts where it was put last.
TEST_F(SoundLoopback, ASoundPlacedWhileSilentStartsWhereItWasPutLast) {
    folder_.WriteTone("sound/b.wav", Tone{.seconds = 0.2, .frequency = 300});
    const EngineHandle sound = iSoundCreate("sound\\b.wav", -1);
    ASSERT_NE(sound, 0);
    const auto leftOverRight = [&] {
        const auto mix = Render(0.2);
        return Rms(mix, 0, size_t(0.05 * kRate)) / std::max(Rms(mix, 1, size_t(0.05 * kRate)), 1e-9);
    };
    for (const float x : {4.0f, -4.0f}) iSoundLocationSet(sound, {x, 0, 0});
    iSoundPlayNow(sound, -1);
    EXPECT_GT(leftOverRight(), 2.0) << "started on the left, where it was put last";
    iSoundStop(sound, 0);
    iSoundLocationSet(sound, {4, 0, 0});
    iSoundPlayNow(sound, -1);
    EXPECT_LT(leftOverRight(), 0.5) << "moved to the right while stopped";
}

TEST_F(SoundLoopback, ThreeDSoundFadesWithDistanceAndFollowsTheListener) {
    folder_.WriteTone("sound/4.wav", Tone{.seconds = 0.2, .frequency = 300});
    const EngineHandle sound = iSoundCreate("sound\\4.wav", -1);
    ASSERT_NE(sound, 0);
    iSoundPlayNow(sound, -1);

    iSoundLocationSet(sound, {100, -50, 30});
    engine::SoundListenerUpdate({100, -50, 27}, {0, 0, 1}, {0, 1, 0});
    const double near = Rms(Render(0.2), 0, size_t(0.05 * kRate));
    engine::SoundListenerUpdate({100, -50, 6}, {0, 0, 1}, {0, 1, 0});
    const double far = Rms(Render(0.2), 0, size_t(0.05 * kRate));
    // Within the reference distance the gain is full; at four times it, a quarter.
    EXPECT_GT(near, kAudible);
    EXPECT_NEAR(far / near, 0.25, 0.05);
}

TEST_F(SoundLoopback, GainsAboveOneAreLouderAndCappedAtEight) {
    folder_.WriteTone("sound/8.wav", Tone{.seconds = 0.2, .amplitude = 0.05});
    const EngineHandle sound = iSoundCreate("sound\\8.wav", 0);
    ASSERT_NE(sound, 0);
    iSoundPlayNow(sound, -1);
    auto loudness = [&](float gain) {
        iSoundVolumeSet(sound, gain);
        return Rms(Render(0.2), 0, size_t(0.05 * kRate));
    };
    const double half = loudness(0.5f);
    const double three = loudness(3.0f);
    const double eight = loudness(8.0f);
    const double twenty = loudness(20.0f);
    EXPECT_NEAR(three / half, 6.0, 0.3);
    EXPECT_NEAR(twenty / eight, 1.0, 0.02);
    EXPECT_LT(loudness(0.0f), kSilent);
}

TEST_F(SoundLoopback, MusicStreamsInStereoLoopsUntilStoppedAndEndsWhenPlayedOnce) {
    folder_.WriteTone("sound/musmenu.ogg", Tone{.seconds = 0.6, .frequency = 220, .channels = 2, .leftOnly = true},
                      SF_FORMAT_OGG | SF_FORMAT_VORBIS);
    const EngineHandle music = iSoundOggCreate("sound\\musmenu.ogg", 0, 0);
    ASSERT_NE(music, 0);
    iSoundVolumeSet(music, 0.56f);
    iSoundPlayNow(music, -1);

    const auto mix = Render(2.0);  // more than three times round the file
    const size_t lastHalfSecond = size_t(1.5 * kRate);
    EXPECT_GT(Rms(mix, 0, lastHalfSecond), kAudible);
    EXPECT_LT(Rms(mix, 1, lastHalfSecond), 0.01) << "music keeps its stereo";
    EXPECT_NE(iSoundPlaying(music), 0);

    iSoundStop(music, 0);
    EXPECT_EQ(iSoundPlaying(music), 0);
    EXPECT_LT(Rms(Render(0.3)), kSilent);

    iSoundPlayNow(music, 0);
    Render(0.4);
    EXPECT_NE(iSoundPlaying(music), 0);
    Render(0.6);
    EXPECT_EQ(iSoundPlaying(music), 0);
}

TEST_F(SoundLoopback, OggFilesServeAsThreeDSoundsToo) {
    folder_.WriteTone("sound/9.ogg", Tone{.seconds = 0.3, .channels = 2}, SF_FORMAT_OGG | SF_FORMAT_VORBIS);
    const EngineHandle sound = iSoundCreate("sound\\9.ogg", -1);
    ASSERT_NE(sound, 0);
    iSoundLocationSet(sound, {-3, 0, 0});
    iSoundPlayNow(sound, 0);
    const auto mix = Render(0.2);
    // A stereo file is mixed to mono so that it can be placed.
    EXPECT_GT(Rms(mix, 0, size_t(0.05 * kRate)), 2 * Rms(mix, 1, size_t(0.05 * kRate)));
}

}  // namespace
