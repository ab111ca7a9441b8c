// MusicStream: a long sound decoded a little at a time into a queue of OpenAL buffers.
//
// Four buffers of a quarter second each stay queued on the source; Service
// refills the ones OpenAL has finished with, rewinding the file at its end when
// looping, and restarts the source if it ran dry in a stall. Every call must be
// made under the owner's lock (the streaming thread and the game both call).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/sound_file.h"

namespace engine {

class MusicStream {
public:
    // Takes an open file and an OpenAL source it alone uses; the owner deletes the source after this.
    MusicStream(std::unique_ptr<SoundFile> file, unsigned source);
    MusicStream(const MusicStream&) = delete;
    MusicStream& operator=(const MusicStream&) = delete;
    ~MusicStream();

    bool Valid() const { return buffers_[0] != 0; }
    void Start(bool loop);  // from the beginning, whatever it was doing
    void Stop();
    void Service();
    bool Playing() const { return playing_; }

private:
    static constexpr int kBuffers = 4;
    bool Fill(unsigned buffer);  // the next piece of the file; false when there is none

    std::unique_ptr<SoundFile> file_;
    unsigned source_;
    unsigned buffers_[kBuffers] = {};
    std::vector<int16_t> piece_;
    bool looping_ = false;
    bool ended_ = false;  // the file has no more samples for this play
    bool playing_ = false;
};

}  // namespace engine
