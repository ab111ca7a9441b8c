// Game and level numbers by difficulty and track.
#include "race/level_rules.h"

#include <algorithm>
#include <array>

#include "core/random_source.h"
#include "world/track_tables.h"

namespace race_rules {

namespace {
constexpr int kModels = 5;
// The level from which the time limit is no longer shortened.
constexpr int kFullTimeLevel = 5;
constexpr long double kBonusUntil = 0.99L;
constexpr long double kBonusSecondsPerTick = 0.25L;

int ClampDifficulty(int difficulty) { return std::clamp(difficulty, 0, 2); }
}  // namespace

int StartingLives(int difficulty) {
    static constexpr int kLives[3] = {5, 3, 2};
    return kLives[ClampDifficulty(difficulty)];
}

int LapsPerRace(int difficulty) { return difficulty + 2; }

int OpponentCount(int difficulty) {
    static constexpr int kOpponents[3] = {3, 5, 7};
    return kOpponents[ClampDifficulty(difficulty)];
}

long double TimeLimit(int trackNo, int difficulty, int level) {
    const int slot = std::clamp(trackNo, 1, track_tables::kTrackSlots);
    const int base = track_tables::kGrids[slot - 1].baseTime;
    const int shortening = level < kFullTimeLevel ? 2 * level : 0;
    return base + difficulty * (base / 2) - shortening;
}

std::vector<CarId> ChooseOpponents(int selectedCar, int count) {
    std::array<std::array<bool, 2>, kModels> taken{};
    auto available = [&](int model, int instance) {
        return model != selectedCar && !taken[model - 1][instance - 1];
    };
    auto anyLeft = [&](int instance) {
        for (int model = 1; model <= kModels; ++model) {
            if (available(model, instance)) return true;
        }
        return false;
    };

    std::vector<CarId> chosen;
    int model = 1;
    int instance = 1;
    while (static_cast<int>(chosen.size()) < count) {
        if (available(model, instance)) {
            taken[model - 1][instance - 1] = true;
            chosen.push_back({model, instance});
        }
        model += Random(2) + 1;
        if (model > kModels) {
            model = 1;
            if (instance == 1 || !anyLeft(2)) instance = anyLeft(2) ? 2 : 1;
            if (!anyLeft(1) && !anyLeft(2)) break;
        }
    }
    return chosen;
}

int32_t TimeBonusStep(long double& timeLeft, int difficulty, long double frameScale) {
    if (timeLeft <= kBonusUntil) return 0;
    timeLeft -= kBonusSecondsPerTick * frameScale;
    return static_cast<int32_t>((difficulty + 2) * frameScale);
}

}  // namespace race_rules
