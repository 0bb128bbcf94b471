/* How the host moves one vessel over a step, about body 0: the state it
 * starts from, the acceleration kept from the end of its last (sub-)step,
 * and what the step's added forces and thrust give per unit of mass. */
#ifndef BRIMSTAR_EMULATOR_HOST_INTEGRATION_H
#define BRIMSTAR_EMULATOR_HOST_INTEGRATION_H

#include "OrbiterAPI.h"

namespace emu {

/* Relative to the attracting body, which moves without accelerating. */
struct Motion {
    VECTOR3 pos;
    VECTOR3 vel;
    VECTOR3 keptAccel;  // gravity and the forces over mass, at the end of the last (sub-)step
};

/* Body 0's pull at a position relative to it; none at its centre, or with gm 0. */
VECTOR3 GravityAt(const VECTOR3& pos, double gm);

/* The motion after dt under gravity (gm, 0 for none) and the push, constant
 * over the step. */
Motion Integrate(const Motion& start, double gm, const VECTOR3& push, double dt);

}  // namespace emu

#endif
