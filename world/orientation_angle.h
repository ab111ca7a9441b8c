// The game's one rule for turning two components of a direction into an angle of 0..360 degrees.
#pragma once

// A(p, q): base = atan(|p| / |q|) in degrees, or 0 when q is 0; then
//   p < 0:  360 - base when q > 0, else base + 180
//   p >= 0: base when q > 0, else 180 - base.
// With (p, q) = (z, x) it is a bearing growing from +x towards +z, the convention of
// a car's Heading and of the opponents' target bearing. q = 0 gives 180 whatever p is
// (an exactly level car's Roll), which the cars and drivers rely on as it stands.
long double OrientationAngle(long double p, long double q);
