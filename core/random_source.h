// The program's one random source, seeded once at start.
#pragma once

#include <cstdint>

void SeedRandom(uint32_t seed);
// A whole number from 0 to range - 1 (0 when range is below 1).
int Random(int range);
