// The counters of the game in progress (score, level, lives), held masked against memory editors.
#pragma once

#include <cstdint>

// The race owns one and forwards its GetScore/SetScore, GetLevel/SetLevel and
// GetLives/SetLives to it; the car changes score and lives through it when it takes
// a pickup. Values are only ever stored masked; the accessors give the plain value.
class RaceCounters {
public:
    RaceCounters();

    int32_t GetScore() const;
    int32_t GetLevel() const;
    int32_t GetLives() const;
    // A negative score is ignored: the old score stays (a penalty larger than the score is lost).
    void SetScore(int32_t value);
    void SetLevel(int32_t value);
    void SetLives(int32_t value);

private:
    uint32_t score_ = 0;
    uint32_t level_ = 0;
    uint32_t lives_ = 0;
};
