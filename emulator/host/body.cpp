#include "body.h"

#include <cmath>

namespace emu {

namespace {

const double twoPi = 6.283185307179586;

}  // namespace

double Body::rotationAt(double t) const
{
    if (rotationPeriod == 0.0)
        return rotationAtZero;
    return std::fmod(rotationAtZero + twoPi * t / rotationPeriod, twoPi);
}

VECTOR3 Body::fixedToGlobal(const VECTOR3& p, double simt) const
{
    // Turned by the rotation about the axis, tilted by the obliquity, then
    // turned by theta about the global y axis.
    double f = rotationAt(simt);
    double ce = std::cos(obliquity), se = std::sin(obliquity);
    double ct = std::cos(theta), st = std::sin(theta);
    double cf = std::cos(f), sf = std::sin(f);
    return {(ct * cf - ce * st * sf) * p.x - se * st * p.y - (ce * st * cf + ct * sf) * p.z,
            -se * sf * p.x + ce * p.y - se * cf * p.z,
            (ce * ct * sf + st * cf) * p.x + se * ct * p.y + (ce * ct * cf - st * sf) * p.z};
}

}  // namespace emu
