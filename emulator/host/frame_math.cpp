#include "frame_math.h"

#include <cmath>

namespace emu {

VECTOR3 operator+(const VECTOR3& a, const VECTOR3& b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

VECTOR3 operator-(const VECTOR3& a, const VECTOR3& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

VECTOR3 operator*(const VECTOR3& a, double f)
{
    return {a.x * f, a.y * f, a.z * f};
}

double dot(const VECTOR3& a, const VECTOR3& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

VECTOR3 cross(const VECTOR3& a, const VECTOR3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double length(const VECTOR3& a)
{
    return std::sqrt(dot(a, a));
}

VECTOR3 mul(const MATRIX3& m, const VECTOR3& a)
{
    return {m.m11 * a.x + m.m12 * a.y + m.m13 * a.z, m.m21 * a.x + m.m22 * a.y + m.m23 * a.z,
            m.m31 * a.x + m.m32 * a.y + m.m33 * a.z};
}

VECTOR3 tmul(const MATRIX3& m, const VECTOR3& a)
{
    return {m.m11 * a.x + m.m21 * a.y + m.m31 * a.z, m.m12 * a.x + m.m22 * a.y + m.m32 * a.z,
            m.m13 * a.x + m.m23 * a.y + m.m33 * a.z};
}

MATRIX3 mul(const MATRIX3& a, const MATRIX3& b)
{
    return {a.m11 * b.m11 + a.m12 * b.m21 + a.m13 * b.m31, a.m11 * b.m12 + a.m12 * b.m22 + a.m13 * b.m32,
            a.m11 * b.m13 + a.m12 * b.m23 + a.m13 * b.m33, a.m21 * b.m11 + a.m22 * b.m21 + a.m23 * b.m31,
            a.m21 * b.m12 + a.m22 * b.m22 + a.m23 * b.m32, a.m21 * b.m13 + a.m22 * b.m23 + a.m23 * b.m33,
            a.m31 * b.m11 + a.m32 * b.m21 + a.m33 * b.m31, a.m31 * b.m12 + a.m32 * b.m22 + a.m33 * b.m32,
            a.m31 * b.m13 + a.m32 * b.m23 + a.m33 * b.m33};
}

MATRIX3 RotationFromAngles(const VECTOR3& angles)
{
    double ca = std::cos(angles.x), sa = std::sin(angles.x);
    double cb = std::cos(angles.y), sb = std::sin(angles.y);
    double cc = std::cos(angles.z), sc = std::sin(angles.z);
    MATRIX3 rx{1, 0, 0, 0, ca, -sa, 0, sa, ca};
    MATRIX3 ry{cb, 0, sb, 0, 1, 0, -sb, 0, cb};
    MATRIX3 rz{cc, -sc, 0, sc, cc, 0, 0, 0, 1};
    return mul(rz, mul(ry, rx));
}

VECTOR3 AnglesFromRotation(const MATRIX3& m)
{
    double b = std::asin(std::fmax(-1.0, std::fmin(1.0, -m.m31)));
    if (std::fabs(m.m31) < 1.0 - 1e-12)
        return {std::atan2(m.m32, m.m33), b, std::atan2(m.m21, m.m11)};
    // Gimbal lock: only a + c (or a - c) is defined; put it all in a.
    return {std::atan2(-m.m23, m.m22), b, 0.0};
}

MATRIX3 RotationFromAngularStep(const VECTOR3& w, double dt)
{
    double angle = length(w) * dt;
    if (angle == 0.0)
        return {1, 0, 0, 0, 1, 0, 0, 0, 1};
    VECTOR3 k = w * (1.0 / length(w));
    double c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
    return {t * k.x * k.x + c,       t * k.x * k.y - s * k.z, t * k.x * k.z + s * k.y,
            t * k.x * k.y + s * k.z, t * k.y * k.y + c,       t * k.y * k.z - s * k.x,
            t * k.x * k.z - s * k.y, t * k.y * k.z + s * k.x, t * k.z * k.z + c};
}

}  // namespace emu
