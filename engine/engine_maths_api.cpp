// The engine's vector and quaternion functions.
#include <algorithm>
#include <cmath>

#include "engine/engine.h"
#include "engine/math3d.h"

float iVectorLength(const Vec3& v) { return engine::Length(v); }

Vec3 iVectorLengthSet(const Vec3& v, float length) { return engine::Mul(engine::Normalized(v), length); }

Vec3 iVectorRotate(const Vec3& v, const Quaternion& q) { return engine::QuatRotate(engine::QuatNormalized(q), v); }

Quaternion iQuaternionFromAxisAngle(const Vec3& axis, float degrees) {
    return engine::QuatAxisAngle(axis, degrees * engine::kDegrees);
}

void iQuaternionToAxisAngle(const Quaternion& q, Vec3* axis, float* degrees) {
    const Quaternion n = engine::QuatNormalized(q);
    const float w = std::clamp(n.w, -1.0f, 1.0f);
    const float s = std::sqrt(std::max(0.0f, 1 - w * w));
    const Vec3 found = s > 1e-6f ? Vec3{n.x / s, n.y / s, n.z / s} : Vec3{1, 0, 0};
    if (axis) *axis = found;
    if (degrees) *degrees = 2 * std::acos(w) / engine::kDegrees;
}

Quaternion iQuaternionLookAt(const Vec3& direction, const Vec3* up) {
    const Vec3 forward = engine::Normalized(direction);
    if (engine::Length(forward) == 0) return {};
    Vec3 upward = up ? engine::Normalized(*up) : Vec3{0, 1, 0};
    if (engine::Length(upward) == 0 || std::abs(engine::Dot(upward, forward)) > 0.9999f) {
        // Looking straight along up: any upright choice will do; keep +z (or +x) on top.
        upward = std::abs(forward.z) < 0.9f ? Vec3{0, 0, 1} : Vec3{1, 0, 0};
    }
    const Vec3 right = engine::Normalized(engine::Cross(upward, forward));
    const Vec3 top = engine::Cross(forward, right);
    return engine::QuatFromAxes(right, top, forward);
}

Quaternion iQuaternionInterpolate(const Quaternion& from, const Quaternion& to, float t) {
    return engine::QuatSlerp(engine::QuatNormalized(from), engine::QuatNormalized(to), t);
}

float iFloatInterpolate(float x, float x0, float x1, float y0, float y1, int clamp) {
    if (x1 == x0) return y0;
    float t = (x - x0) / (x1 - x0);
    if (clamp) t = std::clamp(t, 0.0f, 1.0f);
    return y0 + (y1 - y0) * t;
}
