// Sound on real OpenAL Soft drivers, each in a child process: the mix written to a WAV
// file by the "wave" driver, the "null" driver, and no driver at all. The SoundChild
// cases are the children's halves; they run only when a parent case starts them.
#include <sndfile.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/engine_log.h"
#include "engine/engine.h"
#include "engine/sound_system.h"
#include "sound_test_support.h"

namespace {

using sound_test::Rms;
using sound_test::Tone;

constexpr const char* kFolderVariable = "PEBBLEDASH_SOUND_FOLDER";
constexpr const char* kNoOutputLine = "engine: no audio output; sound is silent";

// Reads a float stereo mix; empty when it cannot.
std::vector<float> ReadMix(const std::string& path, int* rate) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file) return {};
    std::vector<float> mix;
    if (info.channels == 2) {
        mix.resize(size_t(info.frames) * 2);
        mix.resize(size_t(sf_readf_float(file, mix.data(), info.frames)) * 2);
    }
    sf_close(file);
    *rate = info.samplerate;
    return mix;
}


class LogLines {
public:
    LogLines() { engine::EngineLog::SetObserver([this](const char* line) { lines.push_back(line); }); }
    ~LogLines() { engine::EngineLog::SetObserver({}); }
    long Count(const std::string& line) const { return std::count(lines.begin(), lines.end(), line); }
    std::vector<std::string> lines;
};

// Child: plays the engine hum for a second, stops it, and lets a second of silence be written.
TEST(SoundChild, DISABLED_MixFileHumThenStop) {
    const char* folder = std::getenv(kFolderVariable);
    ASSERT_NE(folder, nullptr);
    platform::SetProgramFolder(folder);
    LogLines log;
    engine::SoundOpen();
    EXPECT_TRUE(engine::SoundHasOutput());
    EXPECT_EQ(log.Count(kNoOutputLine), 0);
    engine::SoundListenerUpdate({0, 10, 0}, {0, 0, 1}, {0, 1, 0});
    const EngineHandle hum = iSoundCreate("sound\\16.wav", -1);
    ASSERT_NE(hum, 0);
    iSoundVolumeSet(hum, 3.5f);
    iSoundLocationSet(hum, {0, 10, 8});
    iSoundPlayNow(hum, -1);
    platform::Sleep(1000);
    EXPECT_NE(iSoundPlaying(hum), 0);
    iSoundStop(hum, 0);
    platform::Sleep(1000);
    engine::SoundClose();  // the driver finishes the file
    sound_test::ChildDone();
}

TEST(SoundMixFile, PlayingHumIsAudibleAndStoppedHumIsSilence) {
    sound_test::SoundFolder folder;
    folder.WriteTone("sound/16.wav", Tone{.seconds = 0.25, .frequency = 110});
    const std::string mixPath = folder.Path("mix.wav").string();
    const std::string configPath = folder.Path("alsoft.conf").string();
    folder.WriteBytes("alsoft.conf", "[general]\ndrivers=wave\n[wave]\nfile=" + mixPath + "\n");

    ASSERT_TRUE(sound_test::RunChildTest("SoundChild.DISABLED_MixFileHumThenStop",
                                         {{"ALSOFT_CONF", configPath},
                                          {"ALSOFT_DRIVERS", "wave"},
                                          {kFolderVariable, folder.Path("").string()}}));
    int rate = 0;
    const auto mix = ReadMix(mixPath, &rate);
    ASSERT_GT(rate, 0);
    const size_t frames = mix.size() / 2;
    ASSERT_GT(frames, size_t(1.6 * rate)) << "about two seconds were written";

    // The hum: the loudest quarter second stands well above the noise floor.
    const size_t window = size_t(rate / 4);
    double loudest = 0;
    for (size_t first = 0; first + window <= frames; first += window / 2) {
        loudest = std::max(loudest, Rms(mix, 0, first, first + window));
    }
    EXPECT_GT(loudest, 0.05);
    // After the stop: the last half second is silence on both sides.
    EXPECT_LT(Rms(mix, 0, frames - size_t(rate / 2)), 1e-4);
    EXPECT_LT(Rms(mix, 1, frames - size_t(rate / 2)), 1e-4);
}

// Child: with no driver at all, sounds keep their books on the (hand-driven) clock.
TEST(SoundChild, DISABLED_WithoutDeviceEverythingWorksSilently) {
    const char* folder = std::getenv(kFolderVariable);
    ASSERT_NE(folder, nullptr);
    platform::SetProgramFolder(folder);
    platform::UseManualClock(0);
    LogLines log;
    engine::SoundOpen();
    engine::SoundOpen();  // a re-open says it again, once
    EXPECT_EQ(log.Count(kNoOutputLine), 2);
    EXPECT_FALSE(engine::SoundHasOutput());

    const EngineHandle click = iSoundCreate("sound\\15.wav", 0);
    const EngineHandle hum = iSoundCreate("sound\\16.wav", -1);
    const EngineHandle music = iSoundOggCreate("sound\\musmenu.ogg", 0, 0);
    ASSERT_NE(click, 0);
    ASSERT_NE(hum, 0);
    ASSERT_NE(music, 0);
    EXPECT_EQ(iSoundCreate("sound\\missing.wav", 0), 0);

    iSoundVolumeSet(hum, 3.5f);
    iSoundLocationSet(hum, {1, 2, 3});
    iSoundPlayNow(click, 0);
    iSoundPlayNow(hum, -1);
    iSoundPlayNow(music, -1);
    platform::AdvanceClock(0.4);
    EXPECT_NE(iSoundPlaying(click), 0);
    platform::AdvanceClock(0.2);
    EXPECT_EQ(iSoundPlaying(click), 0) << "a half-second sound played once has ended";
    iSoundPlayNow(click, 0);
    EXPECT_NE(iSoundPlaying(click), 0);
    platform::AdvanceClock(10);
    EXPECT_NE(iSoundPlaying(hum), 0);
    EXPECT_NE(iSoundPlaying(music), 0);
    iSoundStop(hum, 0);
    iSoundStop(music, 0);
    EXPECT_EQ(iSoundPlaying(hum), 0);
    EXPECT_EQ(iSoundPlaying(music), 0);
    EXPECT_EQ(iSoundPlaying(0), 0);
    iSoundPlayNow(0, -1);

    engine::SoundClose();
    EXPECT_EQ(iSoundPlaying(click), 0);
    EXPECT_EQ(log.Count(kNoOutputLine), 2);
    sound_test::ChildDone();
}

TEST(SoundWithoutDevice, EverythingWorksSilently) {
    sound_test::SoundFolder folder;
    folder.WriteTone("sound/15.wav", Tone{.seconds = 0.5});
    folder.WriteTone("sound/16.wav", Tone{.seconds = 0.25});
    folder.WriteTone("sound/musmenu.ogg", Tone{.seconds = 1.0, .channels = 2}, SF_FORMAT_OGG | SF_FORMAT_VORBIS);
    EXPECT_TRUE(sound_test::RunChildTest("SoundChild.DISABLED_WithoutDeviceEverythingWorksSilently",
                                         {{"ALSOFT_DRIVERS", "none-such-driver"},
                                          {kFolderVariable, folder.Path("").string()}}));
}

// Child: OpenAL Soft's null driver opens, plays to nowhere, and counts as no output.
TEST(SoundChild, DISABLED_NullDriverCountsAsNoOutput) {
    const char* folder = std::getenv(kFolderVariable);
    ASSERT_NE(folder, nullptr);
    platform::SetProgramFolder(folder);
    LogLines log;
    engine::SoundOpen();
    EXPECT_EQ(log.Count(kNoOutputLine), 1);
    EXPECT_FALSE(engine::SoundHasOutput());
    const EngineHandle click = iSoundCreate("sound\\15.wav", 0);
    ASSERT_NE(click, 0);
    iSoundPlayNow(click, 0);
    EXPECT_NE(iSoundPlaying(click), 0);
    platform::Sleep(600);
    EXPECT_EQ(iSoundPlaying(click), 0) << "a fifth of a second played once has ended";
    engine::SoundClose();
    sound_test::ChildDone();
}

TEST(SoundNullDriver, CountsAsNoOutput) {
    sound_test::SoundFolder folder;
    folder.WriteTone("sound/15.wav", Tone{.seconds = 0.2});
    EXPECT_TRUE(sound_test::RunChildTest("SoundChild.DISABLED_NullDriverCountsAsNoOutput",
                                         {{"ALSOFT_DRIVERS", "null"}, {kFolderVariable, folder.Path("").string()}}));
}

}  // namespace
