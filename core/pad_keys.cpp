// The game pad's keys by state.
#include "core/pad_keys.h"

#include "core/app_state.h"

namespace {

enum Key : int { kEscape = 1, kEnter = 28, kPause = 197, kUp = 200, kLeft = 203, kRight = 205, kDown = 208 };

}  // namespace

PadKeys PadKeysFor(uint8_t appState, const Settings& settings) {
    PadKeys keys;
    switch (appState) {
        case StateRace:
        case StatePause:
            keys.left = settings.keyLeft;
            keys.right = settings.keyRight;
            keys.rightTrigger = settings.keyAccelerate;
            keys.leftTrigger = settings.keyBrake;
            keys.a = keys.x = settings.keyBoost;
            keys.start = kPause;
            keys.b = keys.back = kEscape;
            return keys;
        case StateBindBossKey:
        case StateBindLeft:
        case StateBindRight:
        case StateBindAccelerate:
        case StateBindBrake:
        case StateBindBoost:
            return keys;
        default:
            keys.left = kLeft;
            keys.right = kRight;
            keys.up = kUp;
            keys.down = kDown;
            keys.a = keys.start = kEnter;
            keys.b = keys.back = kEscape;
            return keys;
    }
}
