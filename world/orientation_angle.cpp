// The angle rule shared by the car's orientation and the opponents' bearing.
#include "world/orientation_angle.h"

#include <cmath>
#include <numbers>

long double OrientationAngle(long double p, long double q) {
    const long double base = q == 0 ? 0.0L : std::atan(std::fabs(p) / std::fabs(q)) * 180.0L / std::numbers::pi_v<long double>;
    if (p < 0) return q > 0 ? 360.0L - base : base + 180.0L;
    return q > 0 ? base : 180.0L - base;
}
