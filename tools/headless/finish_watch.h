// FinishWatch: for the runner's report, the frame at which each car of a --new-game race
// crossed the finish line and the place the race showed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class TGame;

// Watched once a frame after the frame's race update. A level opens at its "level N
// track T" event and closes at the next one (or at the end of the run). A car has
// completed its laps when it crosses the start/finish line (gate 0) for the last time:
// the player when the race's LapsLeft reaches 0, an opponent when its driver passes
// gate 0 with no laps to go. Opponents are seen until the player finishes; the drivers
// stop as the race ends, so an opponent not seen by then never finished.
class FinishWatch {
public:
    struct Car {
        int model = 0, instance = 0;
        int frame = -1;           // the frame it completed its laps; -1: it did not
        int32_t checkpoints = 0;  // its CheckpointsPassed when the player finished, else at the level's last frame
    };
    struct Level {
        int level = 0, track = 0;
        int place = 0;  // the place the race showed; 0: the player did not finish
        Car player;
        std::vector<Car> opponents;  // in driver order
    };

    // `frame`: the runner's frame number, as the report's events carry it.
    void Step(const TGame& game, int frame);
    // The levels seen, the last one as far as it went.
    std::vector<Level> Levels() const;

private:
    void Open(const TGame& game);
    void TakeCheckpoints(const TGame& game);

    std::vector<Level> levels_;
    bool open_ = false;
    bool playerDone_ = false;
    size_t eventsSeen_ = 0;
    std::vector<int> drivers_;  // driver index of each watched opponent
};
