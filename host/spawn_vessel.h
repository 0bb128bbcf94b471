/* The one way the module creates vessels: by name and class, at a global
 * position and velocity, and only of a class whose class file is in place. */
#ifndef BRIMSTAR_HOST_SPAWN_VESSEL_H
#define BRIMSTAR_HOST_SPAWN_VESSEL_H

#include "host/host_api.h"

/* True when the host created the vessel. */
bool SpawnVessel(const char* name, const char* className, const VECTOR3& gpos, const VECTOR3& gvel);

#endif
