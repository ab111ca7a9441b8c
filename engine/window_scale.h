// How large the game's window stands on a display of a given pixel density.
#pragma once

namespace engine {

// The factor by which the 800 x 600 window grows on a display of `dpi` pixels per inch
// (96 is one), so the game looks as large on a dense screen as on a plain one. It is
// dpi / 96 in quarter steps, never below 1, and lowered (in quarter steps, not below 1)
// until a client area of 800 x 600 times the factor plus `captionHeight` fits into the
// usable area. Densities that are not numbers or not above 0 count as 96.
float WindowScale(float dpi, int usableWidth, int usableHeight, int captionHeight);

}  // namespace engine
