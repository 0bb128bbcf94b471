#include "emulator/host/motion/frame_math.h"

#include <cmath>

namespace emu {

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
