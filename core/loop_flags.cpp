// The program's loop flags.
#include "core/loop_flags.h"

LoopFlags Loop;
