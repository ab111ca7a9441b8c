// The boss key's modifier rule: it fires only with exactly the configured modifiers held.
#pragma once

// Masks: 1 Shift, 2 Alt, 4 Ctrl.
int RequiredBossModifiers(bool shift, bool alt, bool ctrl);
// From the engine's key state: Alt (56, 184), Ctrl (29, 157), Shift (42, 54).
int HeldBossModifiers();
// True when the boss key was clicked this frame with exactly the required modifiers.
bool BossKeyFired(int bossKey, int requiredModifiers);
