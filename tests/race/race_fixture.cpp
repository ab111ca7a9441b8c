// The race test fixture.
#include "tests/race/race_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/app_state.h"
#include "core/frame_timer.h"
#include "core/race_choices.h"
#include "core/saved_files.h"
#include "engine/engine.h"
#include "engine/physics_world.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

namespace {
void WriteText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}
}  // namespace

void RaceTest::SetUp() {
    folder_ = scratch_.Path().string();
    platform::SetProgramFolder(folder_);
    // A chassis of four spheres and a wheel of radius 0.5: the cars get real bodies.
    WriteText(fs::path(folder_) / "data" / "Car_.spg",
              "1.0 0.1 0.6 0.45\n1.0 0.1 -0.6 0.45\n-1.0 0.1 0.6 0.45\n-1.0 0.1 -0.6 0.45\n");
    WriteText(fs::path(folder_) / "data" / "wheel_.spg", "0 0 0 0.5\n");
    engine::PhysicsClose();
    Saved.settings = Settings{};
    Saved.records = SavedFiles::DefaultRecords();
    FrameScale = 1;
    AppState = StateRace;

    TRecordInputMenu::Hooks entryHooks;
    entryHooks.getScore = [this] { return game_ ? game_->GetScore() : 0; };
    entryHooks.currentDifficulty = [] { return CurrentDifficulty; };
    entryHooks.playHoverSound = [] {};
    nameEntry_ = std::make_unique<TRecordInputMenu>(entryHooks);

    TGame::Hooks hooks;
    hooks.openNameEntry = [this](int32_t score) { return nameEntry_->Qualify(score) ? nameEntry_->InsertRank() : 0; };
    hooks.hideResultScreens = [this] { nameEntry_->Hide(); };
    game_ = std::make_unique<TGame>(loading_, cursor_, hooks);
}

void RaceTest::TearDown() {
    game_.reset();
    engine::PhysicsClose();
}

void RaceTest::StartGame(int difficulty, int car, int track) {
    // TrackNo is TickCount mod 5 + 1; the loading pauses move the clock by whole 500 ms.
    platform::UseManualClock(static_cast<uint32_t>(1000 + track - 1));
    CurrentDifficulty = difficulty;
    SelectedCar = car;
    game_->NewGame();
    AppState = StateRace;
    ASSERT_EQ(game_->TrackNo, track);
    RunUntil([this] { return !game_->IntroPhase; });
}

void RaceTest::ReachFinishLine(int32_t checkpoints) {
    TCar& player = *game_->PlayerCar();
    const track_tables::GateEntry& start = game_->Gates()[0];
    game_->LapsLeft = 1;
    game_->NextGate = 0;
    player.CheckpointsPassed = checkpoints;
    player.Location.x = start.x;
    player.Location.z = start.z;
}

void RaceTest::SetOpponentCheckpoints(int32_t checkpoints) {
    for (int model = 1; model <= TGame::kModels; ++model) {
        if (model == SelectedCar) continue;
        for (auto& car : game_->Cars[model - 1]) {
            if (car->InRace) car->CheckpointsPassed = checkpoints;
        }
    }
}

bool RaceTest::HasEvent(const std::string& line) const {
    const auto& lines = game_->Events().Lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::string RaceTest::LastEvent() const {
    const auto& lines = game_->Events().Lines();
    return lines.empty() ? std::string() : lines.back();
}
