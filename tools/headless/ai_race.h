// AiRace: a race of computer drivers only, built from the world objects the way a
// level start builds one, for watching and measuring the driving.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "engine/engine.h"
#include "race/cameraman_look_at_point_keep_distance_fast.h"
#include "world/world.h"

// On an open engine: track slot 1..5 loaded and placed, the ten cars with their
// pairs and the first-load wheel frictions, the twenty pickups and their spawner,
// seven opponents on the Hard grid with the track's route, the player's car
// (SelectedCar, instance 1) off the track, and a chase camera on the first
// opponent. The engine steps the physics; Step is one frame of the race's logic.
// Reads FrameScale for the frame's length and sets the program-wide
// CurrentDifficulty (Hard) and, when it is not 1..5, SelectedCar (1).
class AiRace {
public:
    static constexpr int kOpponents = 7;
    static constexpr int kDifficulty = 2;  // Hard

    struct CarResult {
        int model = 0, instance = 0;
        int laps = 0;                   // laps completed: the fall of LapsToGo
        std::vector<double> lapTimes;   // seconds of each completed lap, from the start
        int resets = 0;                 // times the driver's recovery put the car back
    };

    // camera: the engine camera the chase camera drives. cars: how many race, 1..10;
    // past the seven opponents of a Hard race the other cars follow on the grid
    // (instance 2 cars first, then the player's model), all driven by their drivers.
    AiRace(int trackSlot, EngineHandle camera, int cars = kOpponents);
    ~AiRace();
    AiRace(const AiRace&) = delete;
    AiRace& operator=(const AiRace&) = delete;

    // One frame: pickups, the drivers, the cars, the camera (as the racing phase
    // orders them). The frame lasts 0.013 x FrameScale seconds.
    void Step();

    int Track() const { return track_; }
    double SimSeconds() const { return simSeconds_; }
    // The racing cars in grid order.
    std::vector<CarResult> Results() const;
    // The racing cars in grid order (the first is the one the camera follows).
    const std::vector<TCar*>& RacingCars() const { return racing_; }

private:
    void Build(EngineHandle camera, int cars);
    void PairCarsWithTrack();
    void PlaceOnGrid(TCar& car, int gridSlot);

    int track_;
    double simSeconds_ = 0;
    std::array<std::array<std::unique_ptr<TBonus>, 4>, TBonus::kKinds> bonuses_;
    BonusGrid bonusGrid_{};
    BonusSpawner spawner_;
    RaceCounters counters_;
    std::array<std::array<std::unique_ptr<TCar>, 2>, 5> cars_;
    std::vector<EngineHandle> carPairs_;
    std::array<TEnemy, 10> drivers_;
    std::unique_ptr<TTrassa> trassa_;
    std::unique_ptr<CameramanLookAtPointKeepDistanceFast_t> chase_;
    std::vector<TCar*> racing_;
    std::vector<TEnemy*> racingDrivers_;
    std::vector<CarResult> results_;
    std::vector<int> lapsToGo_;
    std::vector<double> lapStarted_;
};
