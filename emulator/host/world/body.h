/* A celestial body. Body 0 is the planet the module spawns relative to. */
#ifndef BRIMSTAR_EMULATOR_HOST_BODY_H
#define BRIMSTAR_EMULATOR_HOST_BODY_H

#include "OrbiterAPI.h"

#include <string>

namespace emu {

struct Body {
    std::string name = "Earth";
    double radius = 6.371e6;
    double gm = 3.986004418e14;
    double obliquity = 0.0;
    double theta = 0.0;
    double rotationPeriod = 86164.1;  // s; 0 for a body that does not turn
    double rotationAtZero = 0.0;      // rad, at simulation time 0
    VECTOR3 pos{0, 0, 0};
    VECTOR3 vel{0, 0, 0};
    bool atmosphere = true;
    ATMCONST atm = earthAtmosphere;
    OBJHANDLE handle = nullptr;

    /* The Earth's: values at sea level, and the top of its atmosphere as a
     * height and as a distance from its centre. */
    static const ATMCONST earthAtmosphere;

    double rotationAt(double simt) const;

    /* Turns the planet's own frame (x and z in the equator plane, y along the
     * axis) into the global frame at that time. */
    MATRIX3 orientationAt(double simt) const;

    /* A direction in the planet's own frame, turned into the global frame. */
    VECTOR3 fixedToGlobal(const VECTOR3& p, double simt) const;
    /* A global direction, in the planet's own frame at that time. */
    VECTOR3 globalToFixed(const VECTOR3& g, double simt) const;

    /* The global angular velocity, rad/s: about the polar axis, turning the
     * longitude 0 towards longitude 90 degrees. */
    VECTOR3 angularVelocity() const;
};

}  // namespace emu

#endif
