// BonusSpawner: the timer and the attempt rules of pickup spawning.
#include "world/bonus_spawner.h"

#include "core/frame_timer.h"
#include "core/random_source.h"

namespace {
constexpr long double kTickSeconds = 0.013L;

long double RandomSpawnDelay() { return Random(20) / 10.0L + 3.0L; }

// -1 or +1.
int RandomSign() { return Random(2) * 2 - 1; }
}  // namespace

void BonusSpawner::StartLevel(const BonusGrid& bonuses) {
    for (const auto& copies : bonuses) {
        for (TBonus* bonus : copies) {
            if (bonus) bonus->Take();
        }
    }
    BonusTimer = RandomSpawnDelay();
}

TBonus* BonusSpawner::Update(int difficulty, std::span<const track_tables::PointXZ> spawnPoints, float trackY,
                             const BonusGrid& bonuses) {
    BonusTimer -= kTickSeconds * FrameScale;
    if (BonusTimer >= 0) return nullptr;
    BonusTimer = RandomSpawnDelay() + 2.0L * difficulty;

    const int kind = Random(TBonus::kKinds) + 1;
    TBonus* bonus = bonuses[kind - 1][0];
    if (!bonus || bonus->Active || spawnPoints.empty()) return nullptr;

    const track_tables::PointXZ& point = spawnPoints[Random(static_cast<int>(spawnPoints.size()))];
    const int signX = RandomSign();
    const float x = point.x + signX * Random(50) / 10.0f;
    const int signZ = RandomSign();
    const float z = point.z + signZ * Random(50) / 10.0f;
    bonus->Location = {x, trackY + track_tables::kPickupHeight, z};
    bonus->Locate();
    bonus->Activate();
    return bonus;
}
