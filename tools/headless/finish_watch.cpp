// FinishWatch: finishing frames and the shown place, level by level.
#include "finish_watch.h"

#include <string>

#include "core/race_choices.h"
#include "race/game.h"

void FinishWatch::Step(const TGame& game, int frame) {
    const std::vector<std::string>& lines = game.Events().Lines();
    for (; eventsSeen_ < lines.size(); ++eventsSeen_) {
        const std::string& line = lines[eventsSeen_];
        if (line.rfind("level ", 0) == 0 && line.find(" track ") != std::string::npos) Open(game);
    }
    if (!open_ || playerDone_) return;
    Level& level = levels_.back();
    for (size_t i = 0; i < drivers_.size(); ++i) {
        const TCar* car = game.Enemies[drivers_[i]].Car;
        Car& seen = level.opponents[i];
        if (seen.frame < 0 && car->LapsToGo <= 0 && car->CheckpointIndex >= 1) seen.frame = frame;
    }
    TakeCheckpoints(game);
    if (game.LapsLeft <= 0) {
        playerDone_ = true;
        level.player.frame = frame;
        level.place = game.Place;
    }
}

void FinishWatch::Open(const TGame& game) {
    open_ = true;
    playerDone_ = false;
    drivers_.clear();
    Level level;
    level.level = game.GetLevel();
    level.track = game.TrackNo;
    level.player.model = SelectedCar;
    level.player.instance = 1;
    for (int k = 0; k < TGame::kCars; ++k) {
        const TCar* car = k < static_cast<int>(game.Enemies.size()) ? game.Enemies[k].Car : nullptr;
        if (k / 2 + 1 == SelectedCar || !car || !car->InRace) continue;
        drivers_.push_back(k);
        level.opponents.push_back({k / 2 + 1, k % 2 + 1, -1, 0});
    }
    levels_.push_back(std::move(level));
}

void FinishWatch::TakeCheckpoints(const TGame& game) {
    Level& level = levels_.back();
    if (const TCar* player = game.PlayerCar()) level.player.checkpoints = player->CheckpointsPassed;
    for (size_t i = 0; i < drivers_.size(); ++i) {
        level.opponents[i].checkpoints = game.Enemies[drivers_[i]].Car->CheckpointsPassed;
    }
}

std::vector<FinishWatch::Level> FinishWatch::Levels() const { return levels_; }
