// The state byte and its sets.
#include "core/app_state.h"

#include <algorithm>
#include <initializer_list>

std::atomic<uint8_t> AppState{0};

namespace {
bool OneOf(uint8_t state, std::initializer_list<uint8_t> set) {
    return std::find(set.begin(), set.end(), state) != set.end();
}
}  // namespace

bool InMenuStates(uint8_t s) { return OneOf(s, {2, 5, 6, 8, 10, 11, 12, 13, 28, 29, 32, 33, 34, 36}); }
bool InOptionStates(uint8_t s) { return OneOf(s, {6, 10, 28, 29, 32, 33, 34}); }
bool InRaceSceneStates(uint8_t s) { return OneOf(s, {4, 14, 16, 19, 20, 21, 24, 27}); }
bool InNameEntryStates(uint8_t s) { return OneOf(s, {19, 20, 21}); }
bool InHudStates(uint8_t s) { return OneOf(s, {4, 14, 16}); }
bool InRaceDialogStates(uint8_t s) { return OneOf(s, {16, 24, 26, 27}); }
