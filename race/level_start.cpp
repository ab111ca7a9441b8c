// TGame's game and level start: the counters of a new game, then each level's track,
// grid, routes, camera, time limit and loading animation.
#include <string>

#include "core/music.h"
#include "core/race_choices.h"
#include "core/shared_objects.h"
#include "platform/platform.h"
#include "race/game.h"
#include "race/level_rules.h"

namespace {

using race_rules::kCameraStartOffset;
using race_rules::kFirstLoadWheelFriction;
using race_rules::kFirstLoadWheelFriction2;
using race_rules::kRaceStepSeconds;
using race_rules::kStartPower;

// Levels are drawn from the first five track slots.
constexpr uint32_t kRacedTracks = 5;
// The loading animation's second part: five more frames, half a second apart.
constexpr int kLoadingPauses = 5;
constexpr uint32_t kLoadingPauseMs = 500;

}  // namespace

void TGame::NewGame() {
    ShowLoadingPicture();
    if (!Built) BuildRace();
    SetLives(race_rules::StartingLives(CurrentDifficulty));
    SetLevel(0);
    SetScore(0);
    StartLevel();
    if (hooks_.hideResultScreens) hooks_.hideResultScreens();
    ShowRaceScene();
    iLightDirectionalSet(&kLightDirection, kLightColor.data());
    iSimulationFrqSet(kRaceStepSeconds);
    ResetCarPhysics();
}

void TGame::StartLevel() {
    Spawner.StartLevel(bonusGrid_);
    SetLevel(GetLevel() + 1);
    TrackNo = static_cast<uint8_t>(platform::TickCount() % kRacedTracks + 1);
    LapsLeft = race_rules::LapsPerRace(CurrentDifficulty);
    NextGate = 0;
    WrongWayFrames = 0;

    ForEachCar([](TCar& car) {
        car.Hide();
        car.InRace = false;
        car.CheckpointsPassed = 0;
        car.ReverseTimer = -1;
        car.BoostReserve = -1;
        car.LapsToGo = race_rules::LapsPerRace(CurrentDifficulty);
        car.CheckpointIndex = 0;
    });
    ShowTrack();

    int gridSlot = 0;
    const int opponents = race_rules::OpponentCount(CurrentDifficulty);
    for (const race_rules::CarId& id : race_rules::ChooseOpponents(SelectedCar, opponents)) {
        PlaceOnGrid(*Cars[id.model - 1][id.instance - 1], gridSlot++);
    }
    TCar* player = PlayerCar();
    if (player) PlaceOnGrid(*player, gridSlot);

    for (TEnemy& driver : Enemies) driver.SetRoute(track_tables::kRoutes[TrackNo - 1]);
    if (player) PlaceCamera(*player);

    GameOver = false;
    GameOverDelay = 3.0L;

    loading_.Show();
    iRender();
    loading_.Advance();
    loading_.Advance();

    TimeLeft = race_rules::TimeLimit(TrackNo, CurrentDifficulty, GetLevel());
    TimeOverPhase = false;
    TimeOverBanner.Visible = -1;
    CompletePhase = false;
    CompleteBanner.Visible = -1;
    IntroPhase = true;
    LevelBanner.Start();
    events_.Add("level " + std::to_string(GetLevel()) + " track " + std::to_string(TrackNo));

    for (int i = 0; i < kLoadingPauses; ++i) {
        platform::Sleep(kLoadingPauseMs);
        loading_.Advance();
    }
    loading_.Finish();
    ShowRaceScene();
    PlayMusic("2", TrackNo);
}

void TGame::ShowTrack() {
    std::unique_ptr<TTrassa>& current = Tracks[TrackNo - 1];
    if (!current) current = std::make_unique<TTrassa>();
    if (!current->Loaded) {
        current->Load(TrackNo);
        const track_tables::TrackPosition& at = track_tables::kTrackPositions[TrackNo - 1];
        current->Location = {at.x, at.y, at.z};
        current->Rotation = {0, 0, 0};
        current->Locate();
        PairCarsWithTrack(TrackNo, kFirstLoadWheelFriction2, kFirstLoadWheelFriction);
    }
    for (int slot = 1; slot < TrackNo; ++slot) {
        if (Tracks[slot - 1]) Tracks[slot - 1]->Hide();
    }
    current->Show();
    for (int slot = TrackNo + 1; slot <= track_tables::kTrackSlots; ++slot) {
        if (Tracks[slot - 1]) Tracks[slot - 1]->Hide();
    }
}

void TGame::PlaceOnGrid(TCar& car, int gridSlot) { car.StartOnGrid(TrackNo, gridSlot, kStartPower); }

void TGame::PlaceCamera(const TCar& player) {
    const Vec3 c = player.Location;
    const Vec3 start{c.x + kCameraStartOffset.x, c.y + kCameraStartOffset.y, c.z + kCameraStartOffset.z};
    iCameraLocationSet(Shared.MainCamera, start);
    if (chaseCamera_) iBodyLocationSet(chaseCamera_->Sphere, start, -1);
    iCameraLookAt(Shared.MainCamera, c, 1.0f);
}
