/* Rotations between a vessel's own axes and the global frame. */
#ifndef BRIMSTAR_EMULATOR_HOST_FRAME_MATH_H
#define BRIMSTAR_EMULATOR_HOST_FRAME_MATH_H

#include "OrbiterAPI.h"

#include <cmath>

namespace emu {

/* Inline: they run for every vessel in every step. mul is m a; tmul is
 * m^T a, for a rotation its inverse. */
inline VECTOR3 operator+(const VECTOR3& a, const VECTOR3& b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

inline VECTOR3 operator-(const VECTOR3& a, const VECTOR3& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

inline VECTOR3 operator*(const VECTOR3& a, double f)
{
    return {a.x * f, a.y * f, a.z * f};
}

inline double dot(const VECTOR3& a, const VECTOR3& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

inline VECTOR3 cross(const VECTOR3& a, const VECTOR3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline double length(const VECTOR3& a)
{
    return std::sqrt(dot(a, a));
}

inline VECTOR3 mul(const MATRIX3& m, const VECTOR3& a)
{
    return {m.m11 * a.x + m.m12 * a.y + m.m13 * a.z, m.m21 * a.x + m.m22 * a.y + m.m23 * a.z,
            m.m31 * a.x + m.m32 * a.y + m.m33 * a.z};
}

inline VECTOR3 tmul(const MATRIX3& m, const VECTOR3& a)
{
    return {m.m11 * a.x + m.m21 * a.y + m.m31 * a.z, m.m12 * a.x + m.m22 * a.y + m.m32 * a.z,
            m.m13 * a.x + m.m23 * a.y + m.m33 * a.z};
}

inline MATRIX3 mul(const MATRIX3& a, const MATRIX3& b)
{
    return {a.m11 * b.m11 + a.m12 * b.m21 + a.m13 * b.m31, a.m11 * b.m12 + a.m12 * b.m22 + a.m13 * b.m32,
            a.m11 * b.m13 + a.m12 * b.m23 + a.m13 * b.m33, a.m21 * b.m11 + a.m22 * b.m21 + a.m23 * b.m31,
            a.m21 * b.m12 + a.m22 * b.m22 + a.m23 * b.m32, a.m21 * b.m13 + a.m22 * b.m23 + a.m23 * b.m33,
            a.m31 * b.m11 + a.m32 * b.m21 + a.m33 * b.m31, a.m31 * b.m12 + a.m32 * b.m22 + a.m33 * b.m32,
            a.m31 * b.m13 + a.m32 * b.m23 + a.m33 * b.m33};
}

/* Orientation angles (a, b, c): turned about x by a, then y by b, then z by
 * c, all in the global frame. */
MATRIX3 RotationFromAngles(const VECTOR3& angles);
VECTOR3 AnglesFromRotation(const MATRIX3& m);

/* A turn by |w| dt about the axis w. */
MATRIX3 RotationFromAngularStep(const VECTOR3& w, double dt);

}  // namespace emu

#endif
