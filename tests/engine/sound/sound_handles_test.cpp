// Handle 0, stale handles, closed sound and bad files: nothing breaks, failures leave one log line.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/engine_log.h"
#include "engine/engine.h"
#include "engine/sound_system.h"
#include "sound_test_support.h"

namespace {

using sound_test::Tone;

constexpr int kRate = 22050;

class SoundHandles : public ::testing::Test {
protected:
    void SetUp() override {
        engine::EngineLog::SetObserver([this](const char* line) { log_.push_back(line); });
        ASSERT_TRUE(engine::SoundOpenLoopback(kRate));
    }
    void TearDown() override {
        engine::SoundClose();
        engine::EngineLog::SetObserver({});
    }

    static void Render(double seconds) {
        std::vector<float> stereo(size_t(seconds * kRate) * 2);
        engine::SoundRender(stereo.data(), int(stereo.size() / 2));
    }

    // Every sound function on one handle; none may crash or report playing.
    static void UseEverything(EngineHandle sound) {
        iSoundVolumeSet(sound, 2.0f);
        iSoundLocationSet(sound, {1, 2, 3});
        iSoundPlayNow(sound, -1);
        Render(0.05);
        EXPECT_EQ(iSoundPlaying(sound), 0) << sound;
        iSoundStop(sound, 0);
    }

    sound_test::SoundFolder folder_;
    std::vector<std::string> log_;
};

TEST_F(SoundHandles, ZeroAndUnknownHandlesDoNothing) {
    folder_.WriteTone("sound/1.wav", Tone{});
    const EngineHandle real = iSoundCreate("sound\\1.wav", -1);
    ASSERT_NE(real, 0);
    for (EngineHandle handle : {0, -1, real + 1, real ^ (1 << 20), 0x7FFFFFFF}) UseEverything(handle);
    EXPECT_EQ(iSoundPlaying(real), 0);
    EXPECT_TRUE(log_.empty());
}

TEST_F(SoundHandles, MissingAndDamagedFilesGiveZeroAndOneLogLineEach) {
    folder_.WriteBytes("sound/garbage.wav", std::string(300, '\x5a'));
    folder_.WriteBytes("sound/empty.ogg", "");
    folder_.WriteBytes("sound/header.wav", std::string("RIFF\x24\x00\x00\x00WAVEfmt ", 16));
    // A WAV header announcing data that is not there.
    std::string noData("RIFF\x2c\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00\x22\x56\x00\x00\x44\xac\x00\x00"
                       "\x02\x00\x10\x00" "data\x00\x10\x00\x00", 44);
    folder_.WriteBytes("sound/nodata.wav", noData);

    const char* files[] = {"sound\\missing.wav", "sound\\garbage.wav", "sound\\empty.ogg", "sound\\header.wav",
                           "sound\\nodata.wav"};
    for (const char* file : files) {
        log_.clear();
        EXPECT_EQ(iSoundCreate(file, -1), 0) << file;
        EXPECT_EQ(iSoundCreate(file, 0), 0) << file;
        EXPECT_EQ(iSoundOggCreate(file, 0, 0), 0) << file;
        ASSERT_EQ(log_.size(), 3u) << file;
        for (const std::string& line : log_) {
            EXPECT_EQ(line.rfind("engine: cannot load " + std::string(file) + ": ", 0), 0u) << line;
        }
    }
    EXPECT_EQ(iSoundCreate(nullptr, 0), 0);
    EXPECT_EQ(iSoundOggCreate(nullptr, 0, 0), 0);
}

TEST_F(SoundHandles, ClosingEndsEverySoundAndItsHandlesStayDeadAfterReopening) {
    folder_.WriteTone("sound/16.wav", Tone{});
    folder_.WriteTone("sound/musgame1.ogg", Tone{.seconds = 1.0}, SF_FORMAT_OGG | SF_FORMAT_VORBIS);
    const EngineHandle hum = iSoundCreate("sound\\16.wav", -1);
    const EngineHandle music = iSoundOggCreate("sound\\musgame1.ogg", 0, 0);
    ASSERT_NE(hum, 0);
    ASSERT_NE(music, 0);
    iSoundPlayNow(hum, -1);
    iSoundPlayNow(music, -1);
    Render(0.1);
    EXPECT_NE(iSoundPlaying(music), 0);

    engine::SoundClose();
    EXPECT_EQ(iSoundCreate("sound\\16.wav", -1), 0) << "nothing is made while sound is closed";
    UseEverything(hum);
    UseEverything(music);

    ASSERT_TRUE(engine::SoundOpenLoopback(kRate));
    const EngineHandle again = iSoundCreate("sound\\16.wav", -1);
    ASSERT_NE(again, 0);
    EXPECT_NE(again, hum);
    iSoundPlayNow(again, -1);
    Render(0.1);
    EXPECT_NE(iSoundPlaying(again), 0);
    EXPECT_EQ(iSoundPlaying(hum), 0) << "a handle of an earlier opening finds nothing";
    iSoundStop(hum, 0);
    EXPECT_NE(iSoundPlaying(again), 0) << "stopping a stale handle leaves the new sound alone";
}

}  // namespace
