// Masked score, level and lives.
#include "world/race_counters.h"

namespace {

// One key per counter, so equal values do not look equal in memory.
constexpr uint32_t kScoreKey = 0x5A3C96E1u;
constexpr uint32_t kLevelKey = 0xC3A55A3Cu;
constexpr uint32_t kLivesKey = 0x96E15A3Cu;

// A rotation and an exclusive or; Unmask undoes it.
uint32_t Mask(int32_t value, uint32_t key) {
    const uint32_t bits = static_cast<uint32_t>(value);
    return ((bits << 7) | (bits >> 25)) ^ key;
}

int32_t Unmask(uint32_t stored, uint32_t key) {
    const uint32_t rotated = stored ^ key;
    return static_cast<int32_t>((rotated >> 7) | (rotated << 25));
}

}  // namespace

RaceCounters::RaceCounters() : score_(Mask(0, kScoreKey)), level_(Mask(0, kLevelKey)), lives_(Mask(0, kLivesKey)) {}

int32_t RaceCounters::GetScore() const { return Unmask(score_, kScoreKey); }
int32_t RaceCounters::GetLevel() const { return Unmask(level_, kLevelKey); }
int32_t RaceCounters::GetLives() const { return Unmask(lives_, kLivesKey); }

void RaceCounters::SetScore(int32_t value) {
    if (value < 0) return;
    score_ = Mask(value, kScoreKey);
}

void RaceCounters::SetLevel(int32_t value) { level_ = Mask(value, kLevelKey); }
void RaceCounters::SetLives(int32_t value) { lives_ = Mask(value, kLivesKey); }
