#include "emulator/host/world/body.h"

#include "emulator/host/motion/frame_math.h"

#include <cmath>

namespace emu {

namespace {

const double twoPi = 6.283185307179586;

}  // namespace

const ATMCONST Body::earthAtmosphere = {
    101325.0,                       // p0, Pa
    1.225,                          // rho0, kg/m^3
    286.91,                         // R, J/(kg K)
    1.4,                            // gamma
    1.0 / 8500.0,                   // C: the reciprocal of the scale height, 1/m
    0.20946,                        // O2pp: oxygen's share of the pressure
    200e3,                          // altlimit, m
    6.371e6 + 200e3,                // radlimit, m
    0.0,                            // horizonalt, m
    {0.6, 0.7, 1.0},                // color0
};

double Body::rotationAt(double t) const
{
    if (rotationPeriod == 0.0)
        return rotationAtZero;
    return std::fmod(rotationAtZero + twoPi * t / rotationPeriod, twoPi);
}

MATRIX3 Body::orientationAt(double simt) const
{
    // Turned by the rotation about the axis, tilted by the obliquity, then
    // turned by theta about the global y axis.
    double f = rotationAt(simt);
    double ce = std::cos(obliquity), se = std::sin(obliquity);
    double ct = std::cos(theta), st = std::sin(theta);
    double cf = std::cos(f), sf = std::sin(f);
    return {ct * cf - ce * st * sf, -se * st, -(ce * st * cf + ct * sf),
            -se * sf,               ce,       -se * cf,
            ce * ct * sf + st * cf, se * ct,  ce * ct * cf - st * sf};
}

VECTOR3 Body::fixedToGlobal(const VECTOR3& p, double simt) const
{
    return mul(orientationAt(simt), p);
}

VECTOR3 Body::globalToFixed(const VECTOR3& g, double simt) const
{
    return tmul(orientationAt(simt), g);
}

VECTOR3 Body::angularVelocity() const
{
    if (rotationPeriod == 0.0)
        return {0, 0, 0};
    // The rotation matrix turns the fixed frame the negative way about its y
    // axis as the angle grows.
    return fixedToGlobal({0, 1, 0}, 0.0) * (-twoPi / rotationPeriod);
}

}  // namespace emu
