// Vector, quaternion and matrix maths.
#include "engine/math3d.h"

#include <cmath>
#include <cstring>

namespace engine {

Quaternion QuatMul(const Quaternion& a, const Quaternion& b) {
    return {a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y,
            a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x,
            a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w,
            a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z};
}

Quaternion QuatNormalized(const Quaternion& q) {
    const float length = std::sqrt(q.x * q.x + q.y * q.y + q.z * q.z + q.w * q.w);
    if (!(length > 0) || !std::isfinite(length)) return {};
    return {q.x / length, q.y / length, q.z / length, q.w / length};
}

Quaternion QuatAxisAngle(const Vec3& axis, float radians) {
    const Vec3 n = Normalized(axis);
    if (Length(n) == 0) return {};
    const float s = std::sin(radians / 2);
    return {n.x * s, n.y * s, n.z * s, std::cos(radians / 2)};
}

Vec3 QuatRotate(const Quaternion& q, const Vec3& v) {
    const Vec3 u{q.x, q.y, q.z};
    const Vec3 t = Mul(Cross(u, v), 2.0f);
    return Add(Add(v, Mul(t, q.w)), Cross(u, t));
}

Quaternion QuatSlerp(const Quaternion& from, const Quaternion& to, float t) {
    Quaternion b = to;
    float cosine = from.x * to.x + from.y * to.y + from.z * to.z + from.w * to.w;
    if (cosine < 0) {
        cosine = -cosine;
        b = {-to.x, -to.y, -to.z, -to.w};
    }
    float wa = 1 - t, wb = t;
    if (cosine < 0.9995f) {
        const float angle = std::acos(cosine);
        const float s = std::sin(angle);
        wa = std::sin((1 - t) * angle) / s;
        wb = std::sin(t * angle) / s;
    }
    return QuatNormalized({from.x * wa + b.x * wb, from.y * wa + b.y * wb, from.z * wa + b.z * wb,
                           from.w * wa + b.w * wb});
}

Quaternion QuatEuler(float rx, float ry, float rz, const char* order) {
    const char* sequence = "xyz";
    if (order && std::strlen(order) == 3 && std::strchr(order, 'x') && std::strchr(order, 'y') &&
        std::strchr(order, 'z')) {
        sequence = order;
    }
    Quaternion result;
    for (int i = 0; i < 3; ++i) {
        Quaternion step;
        switch (sequence[i]) {
            case 'x': step = QuatAxisAngle({1, 0, 0}, rx * kDegrees); break;
            case 'y': step = QuatAxisAngle({0, 1, 0}, ry * kDegrees); break;
            default: step = QuatAxisAngle({0, 0, 1}, rz * kDegrees); break;
        }
        result = QuatMul(step, result);
    }
    return result;
}

Quaternion QuatFromAxes(const Vec3& x, const Vec3& y, const Vec3& z) {
    const float trace = x.x + y.y + z.z;
    Quaternion q;
    if (trace > 0) {
        const float s = std::sqrt(trace + 1) * 2;
        q = {(y.z - z.y) / s, (z.x - x.z) / s, (x.y - y.x) / s, s / 4};
    } else if (x.x > y.y && x.x > z.z) {
        const float s = std::sqrt(1 + x.x - y.y - z.z) * 2;
        q = {s / 4, (y.x + x.y) / s, (z.x + x.z) / s, (y.z - z.y) / s};
    } else if (y.y > z.z) {
        const float s = std::sqrt(1 + y.y - x.x - z.z) * 2;
        q = {(y.x + x.y) / s, s / 4, (z.y + y.z) / s, (z.x - x.z) / s};
    } else {
        const float s = std::sqrt(1 + z.z - x.x - y.y) * 2;
        q = {(z.x + x.z) / s, (z.y + y.z) / s, s / 4, (x.y - y.x) / s};
    }
    return QuatNormalized(q);
}

Mat4 MatMul(const Mat4& a, const Mat4& b) {
    Mat4 r;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) sum += a.at(row, k) * b.at(k, column);
            r.at(row, column) = sum;
        }
    }
    return r;
}

Mat4 MatTranslation(const Vec3& t) {
    Mat4 r;
    r.at(0, 3) = t.x;
    r.at(1, 3) = t.y;
    r.at(2, 3) = t.z;
    return r;
}

Mat4 MatScale(const Vec3& s) {
    Mat4 r;
    r.at(0, 0) = s.x;
    r.at(1, 1) = s.y;
    r.at(2, 2) = s.z;
    return r;
}

Mat4 MatRotation(const Quaternion& q) {
    const Vec3 axes[3] = {QuatRotate(q, {1, 0, 0}), QuatRotate(q, {0, 1, 0}), QuatRotate(q, {0, 0, 1})};
    Mat4 r;
    for (int column = 0; column < 3; ++column) {
        r.at(0, column) = axes[column].x;
        r.at(1, column) = axes[column].y;
        r.at(2, column) = axes[column].z;
    }
    return r;
}

Mat4 MatPlacement(const Vec3& location, const Quaternion& orientation, const Vec3& scale) {
    return MatMul(MatTranslation(location), MatMul(MatRotation(orientation), MatScale(scale)));
}

Mat4 MatView(const Vec3& location, const Quaternion& orientation) {
    const Quaternion inverse{-orientation.x, -orientation.y, -orientation.z, orientation.w};
    return MatMul(MatRotation(inverse), MatTranslation(Mul(location, -1)));
}

Mat4 MatPerspective(float verticalFovDegrees, float aspect, float nearPlane, float farPlane) {
    const float f = 1.0f / std::tan(verticalFovDegrees * kDegrees / 2);
    Mat4 r;
    r.at(0, 0) = f / aspect;
    r.at(1, 1) = f;
    r.at(2, 2) = (farPlane + nearPlane) / (farPlane - nearPlane);
    r.at(2, 3) = -2 * farPlane * nearPlane / (farPlane - nearPlane);
    r.at(3, 2) = 1;
    r.at(3, 3) = 0;
    return r;
}

Vec3 MatTransformPoint(const Mat4& m, const Vec3& p) {
    return {m.at(0, 0) * p.x + m.at(0, 1) * p.y + m.at(0, 2) * p.z + m.at(0, 3),
            m.at(1, 0) * p.x + m.at(1, 1) * p.y + m.at(1, 2) * p.z + m.at(1, 3),
            m.at(2, 0) * p.x + m.at(2, 1) * p.y + m.at(2, 2) * p.z + m.at(2, 3)};
}

}  // namespace engine
