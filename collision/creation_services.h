/* Services that create a vessel of a class, in flight or landed, relative
 * to a celestial body named by its name. */
#ifndef BRIMSTAR_COLLISION_CREATION_SERVICES_H
#define BRIMSTAR_COLLISION_CREATION_SERVICES_H

#include "host/host_api.h"

extern "C" {
/* 1 when the host created the vessel; 0 when a vessel of that name exists
 * (the host is not asked) or the host refused. */
int SvcCreateVesselInFlight(const char* name, const char* className, const char* bodyName, VECTOR3 pos,
                            VECTOR3 vel, VECTOR3 arot, VECTOR3 vrot);
int SvcCreateVesselLanded(const char* name, const char* className, const char* bodyName, double latitude,
                          double longitude, double heading);
}

#endif
