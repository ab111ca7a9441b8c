// What other folders use from the race.
#pragma once

#include "race/cameraman_look_at_point_keep_distance_fast.h"
#include "race/game.h"
#include "race/lap_rules.h"
#include "race/level_rules.h"
#include "race/race_banner.h"
#include "race/race_event_log.h"
