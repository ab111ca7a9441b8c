// The numbers of a game and its levels by difficulty and track: lives, laps, opponents,
// the time limit, the opponents' choice and the time bonus of a completed level.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/engine.h"

namespace race_rules {

// The physics step of a race, seconds.
inline constexpr float kRaceStepSeconds = 0.01333f;
// The wheel-table friction of a track's first load: lateral share 40, friction 180.
inline constexpr float kFirstLoadWheelFriction2 = 40;
inline constexpr float kFirstLoadWheelFriction = 180;
// Wheel power of every car placed on the grid.
inline constexpr float kStartPower = 1.0f;
// The camera starts above and beside the followed car, looking at it.
inline constexpr Vec3 kCameraStartOffset{40, 80, 0};

// Lives at the start of a game: Easy 5, Medium 3, Hard 2.
int StartingLives(int difficulty);
// Laps of every race: Easy 2, Medium 3, Hard 4.
int LapsPerRace(int difficulty);
// Opponents on the grid: Easy 3, Medium 5, Hard 7.
int OpponentCount(int difficulty);

// Seconds for a level: base + difficulty x (base div 2), less 2 x level below level 5
// (slot 1, Easy, level 1: 48; from level 5 on: 50).
long double TimeLimit(int trackNo, int difficulty, int level);

// One car of the race's ten: model 1..5, instance 1..2.
struct CarId {
    int model = 0;
    int instance = 0;
    bool operator==(const CarId&) const = default;
};

// The opponents in grid order. Starting at model 1, instance 1: a model other than the
// player's whose car is not yet chosen is taken, then the model steps on by Random(2) + 1
// (1 or 2, so a model may be skipped); past model 5 it starts again at 1 with instance 2.
// Should the instance-2 cars of the other models all be taken before enough opponents
// are found, the round goes on among the instance-1 cars left, so every count up to 8
// is reached. Never the player's model.
std::vector<CarId> ChooseOpponents(int selectedCar, int count);

// One frame of the level-complete time bonus while more than 0.99 s are left: the time
// drops by 0.25 x frameScale and the points returned are the whole part of
// (difficulty + 2) x frameScale; 0 points and no change otherwise.
int32_t TimeBonusStep(long double& timeLeft, int difficulty, long double frameScale);

}  // namespace race_rules
