// SoundFile: one sound file opened for reading with libsndfile (WAV, OGG Vorbis and the rest it knows).
//
// Samples come out as signed 16-bit, at most two channels: files with more are
// mixed down to mono. With mono set, stereo is mixed down too (3D sounds must be
// mono for OpenAL to place them).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

typedef struct sf_private_tag SNDFILE;

namespace engine {

class SoundFile {
public:
    SoundFile() = default;
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;
    ~SoundFile();

    // Opens a real file-system path; false with a reason when it cannot be read as sound.
    bool Open(const std::string& path, bool mono, std::string* error);
    bool IsOpen() const { return file_ != nullptr; }
    int Channels() const { return outChannels_; }  // 1 or 2
    int Rate() const { return rate_; }             // frames per second
    int64_t Frames() const { return frames_; }     // as the header says; may be wrong in a damaged file

    // Appends up to frames frames to out; returns how many were read (0 at the end or on an error).
    int64_t Read(std::vector<int16_t>& out, int64_t frames);
    bool Rewind();

    // Reads the whole file; false (with a reason) when it holds no samples.
    bool ReadAll(std::vector<int16_t>& out, std::string* error);

private:
    SNDFILE* file_ = nullptr;
    int fileChannels_ = 0;
    int outChannels_ = 0;
    int rate_ = 0;
    int64_t frames_ = 0;
    std::vector<int16_t> scratch_;
};

}  // namespace engine
