// BonusSpawner: the race's pickup spawn timer and its spawn attempts.
#pragma once

#include <span>

#include "world/bonus.h"
#include "world/track_tables.h"

// Owned by the race next to its pickups. Each racing frame Update lowers the timer;
// when it runs out it is set again (longer on harder difficulties) and one attempt
// is made: a random kind whose first copy is not already on the track is placed near
// a random spawn point of the current track. Copies 2 to 4 of each kind never spawn.
class BonusSpawner {
public:
    long double BonusTimer = 0;  // seconds until the next spawn attempt

    // Level start: takes all twenty pickups off the track and sets the timer to
    // r(20) / 10 + 3 seconds (no difficulty term here).
    void StartLevel(const BonusGrid& bonuses);

    // One racing frame. difficulty 0..2; spawnPoints of the current track (y of a
    // pickup is trackY + 3). Returns the pickup placed this frame, or nullptr.
    // Random draws, in order: timer r(20), kind r(5), point r(n), sign r(2), x r(50),
    // sign r(2), z r(50); an attempt on a kind already active stops after the kind.
    TBonus* Update(int difficulty, std::span<const track_tables::PointXZ> spawnPoints, float trackY,
                   const BonusGrid& bonuses);
};
