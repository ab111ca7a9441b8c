// A small deterministic generator, so a fixed seed replays a whole game.
#include "core/random_source.h"

#include <random>

namespace {
std::mt19937& Generator() {
    static std::mt19937 generator{1};
    return generator;
}
}  // namespace

void SeedRandom(uint32_t seed) { Generator().seed(seed); }

int Random(int range) {
    if (range < 1) return 0;
    return static_cast<int>(Generator()() % static_cast<uint32_t>(range));
}
