/* How the host moves one vessel over a step, about body 0: the state it
 * starts from, the acceleration kept from the end of its last (sub-)step,
 * and what the step's added forces and thrust give per unit of mass. */
#ifndef BRIMSTAR_EMULATOR_HOST_INTEGRATION_H
#define BRIMSTAR_EMULATOR_HOST_INTEGRATION_H

#include "emulator/host/motion/runge_kutta.h"

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

/* What a step needs that is the same for every vessel, worked out once. */
struct StepIntegration {
    StepPlan plan;
    double subStep;
    double gm;  // 0 for no gravity
    /* Steps are longer than a hundredth of the orbit when the reciprocal
     * semi-major axis is above this. */
    double enckeAbove;
};

StepIntegration PrepareStep(double gm, double dt);

/* The motion after the step under gravity and the push, constant over the
 * step. */
Motion Integrate(const StepIntegration& step, const Motion& start, const VECTOR3& push);

}  // namespace emu

#endif
