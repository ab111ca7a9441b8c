// Streaming a long sound through a short queue of OpenAL buffers.
#include "engine/music_stream.h"

#include <AL/al.h>

namespace engine {
namespace {

constexpr double kPieceSeconds = 0.25;
// A file shorter than a piece is read again this many times to fill one piece when looping.
constexpr int kMaxRewindsPerPiece = 64;

}  // namespace

MusicStream::MusicStream(std::unique_ptr<SoundFile> file, unsigned source) : file_(std::move(file)), source_(source) {
    alGetError();
    alGenBuffers(kBuffers, buffers_);
    if (alGetError() != AL_NO_ERROR) {
        for (unsigned& buffer : buffers_) buffer = 0;
    }
}

MusicStream::~MusicStream() {
    Stop();
    if (Valid()) alDeleteBuffers(kBuffers, buffers_);
}

void MusicStream::Start(bool loop) {
    Stop();
    if (!Valid() || !file_->Rewind()) return;
    looping_ = loop;
    ended_ = false;
    int queued = 0;
    for (unsigned buffer : buffers_) {
        if (!Fill(buffer)) break;
        alSourceQueueBuffers(source_, 1, &buffer);
        ++queued;
    }
    if (queued == 0) return;
    alSourcePlay(source_);
    playing_ = true;
}

void MusicStream::Stop() {
    alSourceStop(source_);
    alSourcei(source_, AL_BUFFER, 0);  // empties the queue of a stopped source
    playing_ = false;
}

void MusicStream::Service() {
    if (!playing_) return;
    ALint processed = 0;
    alGetSourcei(source_, AL_BUFFERS_PROCESSED, &processed);
    for (ALint i = 0; i < processed; ++i) {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(source_, 1, &buffer);
        if (buffer != 0 && !ended_ && Fill(buffer)) alSourceQueueBuffers(source_, 1, &buffer);
    }
    ALint state = AL_STOPPED;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    if (state == AL_PLAYING) return;
    ALint queued = 0;
    alGetSourcei(source_, AL_BUFFERS_QUEUED, &queued);
    if (queued > 0) {
        alSourcePlay(source_);
    } else {
        playing_ = false;
    }
}

bool MusicStream::Fill(unsigned buffer) {
    const int64_t wanted = int64_t(file_->Rate() * kPieceSeconds) + 1;
    piece_.clear();
    int64_t got = file_->Read(piece_, wanted);
    for (int rewinds = 0; looping_ && got < wanted && rewinds < kMaxRewindsPerPiece; ++rewinds) {
        if (!file_->Rewind()) break;
        const int64_t more = file_->Read(piece_, wanted - got);
        if (more == 0) break;
        got += more;
    }
    if (got == 0) {
        ended_ = true;
        return false;
    }
    const ALenum format = file_->Channels() == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
    alBufferData(buffer, format, piece_.data(), ALsizei(piece_.size() * sizeof(int16_t)), file_->Rate());
    return true;
}

}  // namespace engine
