/* Services that add an offset to one vector of a vessel's extended state:
 * its position, orientation angles, velocity or angular velocity. */
#ifndef BRIMSTAR_COLLISION_STATE_ADJUSTERS_H
#define BRIMSTAR_COLLISION_STATE_ADJUSTERS_H

#include "host/host_api.h"

/* The state is read in every case, but written back only for an offset
 * other than (0, 0, 0); a landed vessel's position is never written. A null
 * vessel is ignored. */
extern "C" {
void SvcAddPosition(VESSEL* vessel, VECTOR3 offset);
void SvcAddOrientation(VESSEL* vessel, VECTOR3 offset);
void SvcAddVelocity(VESSEL* vessel, VECTOR3 offset);
void SvcAddAngularVel(VESSEL* vessel, VECTOR3 offset);
}

#endif
