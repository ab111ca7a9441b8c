// TCar's pickups: noticing a touched pickup, taking it, and its effect on the player's game.
#include "core/saved_files.h"
#include "engine/engine.h"
#include "world/car.h"

namespace {
constexpr long double kEffectSeconds = 10;
}  // namespace

void TCar::ApplyPickup(int32_t kind, const CarRaceView& race) {
    if (Model != race.selectedCar) return;
    int32_t score = 0;
    int32_t lives = 0;
    switch (kind) {
        case PickupP50:
            score = 50;
            break;
        case PickupP100:
            score = 100;
            break;
        case PickupLife:
            lives = 1;
            score = 50;
            break;
        case PickupStrelki:
            ReverseTimer = kEffectSeconds;
            score = -150;
            break;
        case PickupAction:
            BoostReserve = kEffectSeconds;
            score = 50;
            break;
        default:
            return;
    }
    if (!race.counters) return;
    if (lives != 0) race.counters->SetLives(race.counters->GetLives() + lives);
    // A result below zero is ignored by SetScore: the score stays as it was.
    race.counters->SetScore(race.counters->GetScore() + score);
}

void TCar::CollectPickups(const CarRaceView& race) {
    if (!race.bonuses) return;
    for (int kind = 0; kind < TBonus::kKinds; ++kind) {
        for (int copy = 0; copy < 4; ++copy) {
            TBonus* bonus = (*race.bonuses)[kind][copy];
            if (!bonus || !bonus->Active) continue;
            if (iBodyBodyFeedback(PickupPairs[kind][copy], -1, -1, nullptr, nullptr, nullptr, nullptr, nullptr,
                                  nullptr) == 0) {
                continue;
            }
            ApplyPickup(bonus->Kind, race);
            if (Model == race.selectedCar) {
                iSoundVolumeSet(bonus->PickupSound, Saved.settings.soundVolume / 300.0f + 0.5f);
                iSoundPlayNow(bonus->PickupSound, 0);
            }
            bonus->Take();
        }
    }
}
