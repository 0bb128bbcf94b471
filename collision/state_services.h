/* Services that read a vessel's extended state, or set its flight status.
 * A null vessel reads as zero and is never written. */
#ifndef BRIMSTAR_COLLISION_STATE_SERVICES_H
#define BRIMSTAR_COLLISION_STATE_SERVICES_H

#include "host/host_api.h"

extern "C" {
/* 0 in free flight, 1 landed */
int SvcGetFlightStatus(VESSEL* vessel);
/* Writes the status as given, unchecked, whatever it was. */
void SvcSetFlightStatus(VESSEL* vessel, int status);
VECTOR3 SvcGetOrientation(VESSEL* vessel);
VECTOR3 SvcGetStateAngularVel(VESSEL* vessel);
/* The double at index 0 to 2 is the angular velocity, at 3 to 5 the
 * orientation angles, counted from the angular velocity of the host's
 * version 1 state record. 0.0 for an index whose double lies outside it. */
double SvcGetStatusValue(VESSEL* vessel, int index);
}

#endif
