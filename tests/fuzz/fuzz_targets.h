// One entry point per reader of ours, for libFuzzer and for the replay of the kept corpora.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fuzz {

struct Target {
    const char* name;  // also the corpus folder under tests/fuzz/corpus/
    void (*run)(const uint8_t* data, size_t size);
};

// pack, image, wid, sky, spg, ply, saved, model, share: each reads the bytes as its file
// and must never read outside them, hang or stop the process.
const Target* Targets();
int TargetCount();
const Target* FindTarget(const char* name);

}  // namespace fuzz
