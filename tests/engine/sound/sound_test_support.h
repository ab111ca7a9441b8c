// Helpers for the sound tests: a program folder with sound files made on the spot,
// loudness measures, and running one test of this executable in a child process
// (OpenAL Soft reads its driver settings once per process).
#pragma once

#include <sndfile.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/platform.h"
#include "tests/support/scratch_folder.h"

extern char** environ;

namespace sound_test {

constexpr double kPi = 3.14159265358979323846;

struct Tone {
    double seconds = 0.5;
    double frequency = 440;
    double amplitude = 0.5;  // of full scale
    int rate = 22050;
    int channels = 1;
    bool leftOnly = false;   // stereo: the right channel stays silent
};

// A fresh program folder with an empty sound/ folder, removed afterwards.
class SoundFolder {
public:
    SoundFolder() {
        std::filesystem::create_directories(root_ / "sound");
        platform::SetProgramFolder(root_.string());
    }

    std::filesystem::path Path(const std::string& relative) const { return root_ / relative; }

    // Writes a sine tone; format is SF_FORMAT_WAV | SF_FORMAT_PCM_16 or SF_FORMAT_OGG | SF_FORMAT_VORBIS.
    void WriteTone(const std::string& relative, const Tone& tone, int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16) const {
        SF_INFO info{};
        info.samplerate = tone.rate;
        info.channels = tone.channels;
        info.format = format;
        SNDFILE* file = sf_open(Path(relative).c_str(), SFM_WRITE, &info);
        ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
        const auto frames = sf_count_t(tone.seconds * tone.rate);
        std::vector<float> samples(size_t(frames) * size_t(tone.channels));
        for (sf_count_t f = 0; f < frames; ++f) {
            const float value = float(tone.amplitude * std::sin(2 * kPi * tone.frequency * double(f) / tone.rate));
            for (int c = 0; c < tone.channels; ++c) {
                samples[size_t(f * tone.channels + c)] = (tone.leftOnly && c == 1) ? 0.0f : value;
            }
        }
        EXPECT_EQ(sf_writef_float(file, samples.data(), frames), frames);
        sf_close(file);
    }

    void WriteBytes(const std::string& relative, const std::string& bytes) const {
        std::ofstream out(Path(relative), std::ios::binary | std::ios::trunc);
        out << bytes;
    }

private:
    test_support::ScratchFolder scratch_{"pebbledash-sound"};
    const std::filesystem::path root_ = scratch_.Path();
};

// Root mean square of one channel (0 left, 1 right) of interleaved stereo frames [first, last).
inline double Rms(const std::vector<float>& stereo, int channel, size_t first = 0, size_t last = SIZE_MAX) {
    last = std::min(last, stereo.size() / 2);
    if (first >= last) return 0;
    double sum = 0;
    for (size_t f = first; f < last; ++f) sum += double(stereo[f * 2 + size_t(channel)]) * stereo[f * 2 + size_t(channel)];
    return std::sqrt(sum / double(last - first));
}

inline double Rms(const std::vector<float>& stereo) {
    return std::sqrt((Rms(stereo, 0) * Rms(stereo, 0) + Rms(stereo, 1) * Rms(stereo, 1)) / 2);
}

constexpr const char* kChildDoneVariable = "PEBBLEDASH_SOUND_CHILD_DONE";

// The last step of a child test: tells the parent that the test ran to its end.
inline void ChildDone() {
    if (const char* path = std::getenv(kChildDoneVariable)) std::ofstream(path) << "done";
}

// Runs the disabled test `name` ("Suite.DISABLED_Case") of this executable in a child
// process with the given environment changes. True when it passed and reached ChildDone.
inline bool RunChildTest(const std::string& name, std::map<std::string, std::string> environment) {
    std::string done = (std::filesystem::temp_directory_path() / "pebbledash-sound-done-XXXXXX").string();
    const int descriptor = ::mkstemp(done.data());
    if (descriptor < 0) return false;
    ::close(descriptor);
    std::filesystem::remove(done);
    environment[kChildDoneVariable] = done;

    std::vector<std::string> entries;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string key = entry.substr(0, entry.find('='));
        if (!environment.count(key)) entries.push_back(entry);
    }
    for (const auto& [key, value] : environment) entries.push_back(key + "=" + value);
    std::vector<char*> envp;
    for (std::string& entry : entries) envp.push_back(entry.data());
    envp.push_back(nullptr);

    std::string program = std::filesystem::read_symlink("/proc/self/exe").string();
    std::string alsoDisabled = "--gtest_also_run_disabled_tests";
    std::string filter = "--gtest_filter=" + name;
    char* argv[] = {program.data(), alsoDisabled.data(), filter.data(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) return false;
    int status = 0;
    const bool waited = waitpid(child, &status, 0) == child;
    const bool reachedEnd = std::filesystem::exists(done);
    std::filesystem::remove(done);
    return waited && WIFEXITED(status) && WEXITSTATUS(status) == 0 && reachedEnd;
}

}  // namespace sound_test
