// The pointer in menu space: x from -16 (left) to +16 (right), y from +12 (top) to -12 (bottom).
#pragma once

#include <optional>

#include "platform/platform.h"

struct MenuPoint {
    long double x = 0;
    long double y = 0;
};

// Full screen: the engine's pointer fractions (0..1 across and down the picture).
MenuPoint FullScreenPointer(long double fractionX, long double fractionY);

// Windowed: the pointer in desktop pixels against the window's outer rectangle, whose
// top is lowered by the caption height. Nothing when the pointer lies outside that
// rectangle (its edges count as inside) or the rectangle has no width or height.
std::optional<MenuPoint> WindowedPointer(platform::Point pointer, platform::Rect window, int captionHeight);

// The pointer now, by the display mode of the live settings. Windowed, the system
// pointer is hidden while it is over the window and shown when it leaves; outside
// the window the pointer counts as absent.
std::optional<MenuPoint> ReadMenuPointer();
