// Reading sound files through libsndfile into 16-bit samples.
#include "engine/sound_file.h"

#include <sndfile.h>

#include <algorithm>

namespace engine {
namespace {

constexpr int kMaxRate = 384000;
// More channels than any sound file of ours; a damaged header claiming more is refused.
constexpr int kMaxChannels = 8;
// No sound the game plays comes near this; a damaged header claiming more stops here.
constexpr int64_t kMaxFrames = int64_t(48000) * 60 * 30;

}  // namespace

SoundFile::~SoundFile() {
    if (file_) sf_close(file_);
}

bool SoundFile::Open(const std::string& path, bool mono, std::string* error) {
    if (file_) sf_close(file_);
    file_ = nullptr;
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file) {
        *error = sf_strerror(nullptr);
        return false;
    }
    if (info.channels < 1 || info.channels > kMaxChannels || info.samplerate < 1 || info.samplerate > kMaxRate) {
        sf_close(file);
        *error = "unsupported channel count or sample rate";
        return false;
    }
    file_ = file;
    fileChannels_ = info.channels;
    outChannels_ = (mono || info.channels > 2) ? 1 : info.channels;
    rate_ = info.samplerate;
    frames_ = info.frames;
    return true;
}

int64_t SoundFile::Read(std::vector<int16_t>& out, int64_t frames) {
    if (!file_ || frames <= 0) return 0;
    scratch_.resize(size_t(frames) * size_t(fileChannels_));
    const sf_count_t got = sf_readf_short(file_, scratch_.data(), frames);
    if (got <= 0) return 0;
    if (fileChannels_ == outChannels_) {
        out.insert(out.end(), scratch_.begin(), scratch_.begin() + got * fileChannels_);
        return got;
    }
    for (sf_count_t f = 0; f < got; ++f) {
        int32_t sum = 0;
        for (int c = 0; c < fileChannels_; ++c) sum += scratch_[size_t(f * fileChannels_ + c)];
        out.push_back(int16_t(sum / fileChannels_));
    }
    return got;
}

bool SoundFile::Rewind() { return file_ && sf_seek(file_, 0, SEEK_SET) == 0; }

bool SoundFile::ReadAll(std::vector<int16_t>& out, std::string* error) {
    out.clear();
    constexpr int64_t kChunk = 16384;
    int64_t total = 0;
    while (total < kMaxFrames) {
        const int64_t got = Read(out, std::min(kChunk, kMaxFrames - total));
        if (got == 0) break;
        total += got;
    }
    if (total == 0) {
        *error = "no samples";
        return false;
    }
    return true;
}

}  // namespace engine
