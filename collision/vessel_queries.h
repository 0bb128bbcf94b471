/* Services that ask the host about one vessel, by its interface pointer,
 * and pass the answer on. A null vessel is answered with zero (a zero
 * vector, a null handle) without asking the host. */
#ifndef BRIMSTAR_COLLISION_VESSEL_QUERIES_H
#define BRIMSTAR_COLLISION_VESSEL_QUERIES_H

#include "host/host_api.h"

extern "C" {
VECTOR3 SvcGlobal2Local(VESSEL* vessel, VECTOR3 global);
VECTOR3 SvcLocal2Global(VESSEL* vessel, VECTOR3 local);
OBJHANDLE SvcGetSurfaceRef(VESSEL* vessel);
double SvcGetPeDist(VESSEL* vessel);
double SvcGetApDist(VESSEL* vessel);
VECTOR3 SvcGetHorizonAirspeedVector(VESSEL* vessel);
double SvcGetPitch(VESSEL* vessel);
double SvcGetBank(VESSEL* vessel);
double SvcGetAOA(VESSEL* vessel);
double SvcGetThrusterGroupLevelByType(VESSEL* vessel, THGROUP_TYPE type);
double SvcGetThrusterGroupLevel(VESSEL* vessel, THGROUP_HANDLE group);
double SvcGetControlSurfaceLevel(VESSEL* vessel, AIRCTRL_TYPE type);
/* Writes only the points whose address is not null. */
void SvcGetTouchdownPoints(VESSEL* vessel, VECTOR3* pt1, VECTOR3* pt2, VECTOR3* pt3);
double SvcGetWheelbrakeLevel(VESSEL* vessel, int which);
VECTOR3 SvcGetShipAirspeedVector(VESSEL* vessel);
VECTOR3 SvcGetAngularVel(VESSEL* vessel);
VECTOR3 SvcGetPMI(VESSEL* vessel);
double SvcGetAirspeed(VESSEL* vessel);
double SvcGetCOG_elev(VESSEL* vessel);
}

#endif
