// TGame's racing phase: pickups, opponents, the player's gates and laps, the wrong-way
// warning, the guard gate, an overturned car, the player's keys, the cars, the camera
// and the timer.
#include <string>
#include <vector>

#include "core/frame_timer.h"
#include "core/race_choices.h"
#include "core/saved_files.h"
#include "core/shared_objects.h"
#include "race/game.h"
#include "race/lap_rules.h"

namespace {

// The race timer runs at 0.01333 s per 13 ms tick, a little fast.
constexpr long double kTimerSecondsPerTick = 0.01333L;
constexpr int32_t kWinPoints = 200;
constexpr int32_t kWinPointsPerDifficulty = 100;

void PlaceCar(TCar& car, const race_rules::CarPlacement& at) {
    car.Location.x = static_cast<float>(at.x);
    car.Location.z = static_cast<float>(at.z);
    car.Spin = 0;
    car.Rotation = {0, at.yaw, 0};
    car.Reset();
}

}  // namespace

void TGame::RacingStep() {
    TCar& player = *PlayerCar();
    const float trackY = Tracks[TrackNo - 1] ? Tracks[TrackNo - 1]->Location.y : 0;
    Spawner.Update(CurrentDifficulty, track_tables::kSpawnPoints[TrackNo - 1], trackY, bonusGrid_);
    for (auto& copies : Bonuses) {
        for (auto& bonus : copies) bonus->HoldInPlace();
    }

    const std::span<const track_tables::GateEntry> gates = Gates();
    for (int k = 0; k < kCars; ++k) {
        TEnemy& driver = Enemies[k];
        if (k / 2 + 1 == SelectedCar || !driver.Car || !driver.Car->InRace) continue;
        driver.Update(gates);
    }

    if (GateStep(player)) return;
    WrongWayStep(player);
    GuardGateStep(player);
    OverturnStep(player);
    player.ApplyDrivingInputs(TCar::ReadDrivingKeys(Saved.settings));

    const CarRaceView view = RaceView();
    ForEachCar([&view](TCar& car) {
        if (car.InRace) car.Update(view);
    });
    if (chaseCamera_) chaseCamera_->Follow(iBodyLocationCM(player.Chassis));
    TimerStep();
}

bool TGame::GateStep(TCar& player) {
    race_rules::LapProgress progress{NextGate, player.CheckpointsPassed, LapsLeft};
    const race_rules::GateResult result =
        race_rules::AdvanceGates(Gates(), player.Location.x, player.Location.z, progress);
    NextGate = progress.nextGate;
    player.CheckpointsPassed = progress.checkpointsPassed;
    LapsLeft = progress.lapsLeft;
    if (result != race_rules::GateResult::Finished) return false;

    std::vector<int32_t> opponents;
    for (int k = 0; k < kCars; ++k) {
        const TCar* car = Enemies[k].Car;
        if (k / 2 + 1 == SelectedCar || !car || !car->InRace) continue;
        opponents.push_back(car->CheckpointsPassed);
    }
    Place = race_rules::FinishingPlace(player.CheckpointsPassed, opponents);
    if (Place == 1) {
        SetScore(GetScore() + kWinPoints + kWinPointsPerDifficulty * CurrentDifficulty);
        CompletePhase = true;
        CompleteBanner.Start();
        PlayRaceSound(CompleteSound);
    } else if (GetLives() < 2) {
        StartGameOver(false);
        return true;
    } else {
        SetLives(GetLives() - 1);
        CompletePhase = true;
        CompleteBanner.Start();
    }
    events_.Add("level complete place " + std::to_string(Place));
    return false;
}

void TGame::WrongWayStep(const TCar& player) {
    const Vec3 v = iBodyVelocity(player.Chassis);
    WrongWayFrames = race_rules::NextWrongWayFrames(Gates()[NextGate], player.Location.x, player.Location.z, v.x, v.z,
                                                    WrongWayFrames);
    if (WrongWayFrames <= race_rules::kWrongWayWarningFrames) return;
    iPrintColorSet(1, 1, 0, 1);
    iPrint("WRONG WAY", {-5, 0}, {1, 1}, 0.2f, Shared.Fonts[0]);
    iPrintColorSet(1, 1, 1, 1);
}

void TGame::GuardGateStep(TCar& player) {
    const std::span<const track_tables::GateEntry> gates = Gates();
    const track_tables::GateEntry& guard = gates[race_rules::GuardGateIndex(NextGate, static_cast<int>(gates.size()))];
    const Vec3 v = iBodyVelocity(player.Chassis);
    const auto back =
        race_rules::GuardGateTurnBack(guard, gates[NextGate], player.Location.x, player.Location.z, v.x, v.z);
    if (back) PlaceCar(player, *back);
}

void TGame::OverturnStep(TCar& player) {
    if (!player.IsOverturned()) return;
    if (GetLives() < 2) {
        StartGameOver(true);
        return;
    }
    SetLives(GetLives() - 1);
    const std::span<const track_tables::GateEntry> gates = Gates();
    const track_tables::GateEntry& guard = gates[race_rules::GuardGateIndex(NextGate, static_cast<int>(gates.size()))];
    PlaceCar(player, race_rules::OverturnPlacement(guard, gates[NextGate], player.Location.x, player.Location.z));
    events_.Add("overturned");
}

void TGame::TimerStep() {
    TimeLeft -= kTimerSecondsPerTick * FrameScale;
    // An overturned car may have ended the game earlier in this frame.
    if (TimeLeft >= 0 || GameOver) return;
    if (GetLives() < 2) {
        StartGameOver(true);
    } else {
        TimeOverPhase = true;
        TimeOverBanner.Start();
        events_.Add("time over");
    }
}

void TGame::StartGameOver(bool withSound) {
    GameOver = true;
    iSpriteShow(GameOverSprite);
    if (withSound) PlayRaceSound(GameOverSound);
    events_.Add("game over");
}

void TGame::PlayRaceSound(EngineHandle sound) {
    iSoundVolumeSet(sound, static_cast<float>(Saved.settings.soundVolume / 300.0 + 0.5));
    iSoundPlayNow(sound, 0);
}
