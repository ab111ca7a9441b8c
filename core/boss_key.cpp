// Boss key detection on the engine's key codes.
#include "core/boss_key.h"

#include "engine/engine.h"

int RequiredBossModifiers(bool shift, bool alt, bool ctrl) {
    return (shift ? 1 : 0) | (alt ? 2 : 0) | (ctrl ? 4 : 0);
}

int HeldBossModifiers() {
    int mask = 0;
    if (iKeyDown(56) != 0 || iKeyDown(184) != 0) mask += 2;
    if (iKeyDown(29) != 0 || iKeyDown(157) != 0) mask += 4;
    if (iKeyDown(42) != 0 || iKeyDown(54) != 0) mask += 1;
    return mask;
}

bool BossKeyFired(int bossKey, int requiredModifiers) {
    return iKeyClick(bossKey) != 0 && HeldBossModifiers() == requiredModifiers;
}
