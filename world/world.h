// What other folders use from the world: the track, the car, the opponents, the pickups and the race tables.
//
// Every object here is a plain class owned by its caller (the race). They read the
// program-wide FrameScale and Saved.settings; whatever else they need from the race
// comes in as arguments: the current track slot, the player's model, the pickups and
// the score counters (CarRaceView), the gates of the current track (TEnemy::Update),
// the spawn points and difficulty (BonusSpawner::Update).
#pragma once

#include "world/bonus.h"
#include "world/bonus_spawner.h"
#include "world/car.h"
#include "world/enemy.h"
#include "world/orientation_angle.h"
#include "world/race_counters.h"
#include "world/track_tables.h"
#include "world/trassa.h"
