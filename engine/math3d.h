// Small vector, quaternion and matrix maths for the engine's left-handed world.
//
// Matrices are column-major (as OpenGL takes them) and act on column vectors.
// Rotations follow the usual matrices: a rotation of t about y maps +x to
// (cos t, 0, -sin t), about x maps +y to (0, cos t, sin t), about z maps +x to
// (cos t, sin t, 0). Quaternions (x, y, z, w) rotate the same way.
#pragma once

#include <cmath>

#include "engine/engine.h"

namespace engine {

constexpr float kPi = 3.14159265358979323846f;
constexpr float kDegrees = kPi / 180.0f;

// The vector basics are inline: particles and physics call them in their inner loops.
inline Vec3 Add(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 Sub(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 Mul(const Vec3& v, float s) { return {v.x * s, v.y * s, v.z * s}; }
inline float Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline float Length(const Vec3& v) { return std::sqrt(Dot(v, v)); }
// Zero stays zero.
inline Vec3 Normalized(const Vec3& v) {
    const float length = Length(v);
    return length > 0 ? Mul(v, 1.0f / length) : Vec3{};
}

Quaternion QuatMul(const Quaternion& a, const Quaternion& b);  // a after b
Quaternion QuatNormalized(const Quaternion& q);               // zero becomes identity
Quaternion QuatAxisAngle(const Vec3& axis, float radians);
Vec3 QuatRotate(const Quaternion& q, const Vec3& v);
Quaternion QuatSlerp(const Quaternion& from, const Quaternion& to, float t);
// Applies rotations about the axes named in order ("xyz": x first), angles in degrees.
// An order that is not a permutation of "xyz" is read as "xyz".
Quaternion QuatEuler(float rx, float ry, float rz, const char* order);
// The rotation taking +x, +y, +z onto the given orthonormal axes.
Quaternion QuatFromAxes(const Vec3& x, const Vec3& y, const Vec3& z);

struct Mat4 {
    float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    float& at(int row, int column) { return m[column * 4 + row]; }
    float at(int row, int column) const { return m[column * 4 + row]; }
};

Mat4 MatMul(const Mat4& a, const Mat4& b);
Mat4 MatTranslation(const Vec3& t);
Mat4 MatScale(const Vec3& s);
Mat4 MatRotation(const Quaternion& q);
// Location, then rotation, then scale: the usual placement of an object.
Mat4 MatPlacement(const Vec3& location, const Quaternion& orientation, const Vec3& scale);
// The view of a camera at location with the given orientation (its +z forward).
Mat4 MatView(const Vec3& location, const Quaternion& orientation);
// Left-handed perspective: view +z goes into the screen, depth -1 at near, 1 at far.
Mat4 MatPerspective(float verticalFovDegrees, float aspect, float nearPlane, float farPlane);
Vec3 MatTransformPoint(const Mat4& m, const Vec3& p);

}  // namespace engine
