// Which keys a game pad presses in each state of the game.
#pragma once

#include <cstdint>

#include "core/settings.h"
#include "engine/engine.h"

// In the race and its pause: the stick or D-pad steers with the bound left and right
// keys, the right trigger accelerates and the left trigger brakes with the bound keys,
// A and X boost with the bound key, Start pauses and resumes, B and Back open the
// leave-the-race question (Escape). While a key is being bound: nothing, so the pad
// cannot bind a key by accident. Everywhere else (menus, questions, name entry): the
// stick and D-pad are the arrow keys, A and Start Enter, B and Back Escape.
PadKeys PadKeysFor(uint8_t appState, const Settings& settings);
