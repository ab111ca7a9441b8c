// What other folders use from the race.
#pragma once

#include "race/cameraman_look_at_point_keep_distance_fast.h"
