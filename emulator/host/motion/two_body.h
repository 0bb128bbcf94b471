/* A body's motion about one attracting centre in closed form: the orbit's
 * period, and where a body is after a given time. Positions and velocities
 * are relative to the centre, which does not accelerate. */
#ifndef BRIMSTAR_EMULATOR_HOST_TWO_BODY_H
#define BRIMSTAR_EMULATOR_HOST_TWO_BODY_H

#include "OrbiterAPI.h"

namespace emu {

struct OrbitState {
    VECTOR3 pos;
    VECTOR3 vel;
};

/* The period of a bound orbit; infinite for an unbound one, or at the centre. */
double OrbitalPeriod(const OrbitState& s, double gm);

/* The state after t seconds (t may be negative) on the conic through s:
 * ellipse, parabola or hyperbola alike. Answers s itself when no finite
 * state follows from it (at the centre, or gm not above 0). */
OrbitState PropagateTwoBody(const OrbitState& s, double gm, double t);

}  // namespace emu

#endif
