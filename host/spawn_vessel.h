/* The one way the module creates vessels: by name and class, at a global
 * position and velocity, and only of a class whose class file is in place. */
#ifndef BRIMSTAR_HOST_SPAWN_VESSEL_H
#define BRIMSTAR_HOST_SPAWN_VESSEL_H

#include "host/host_api.h"

/* True when the class file of the class can be read, written by the module
 * or already there. The host ends the whole simulation when asked for a
 * vessel whose class file is missing, as it is when the module could not
 * write its own: every creation the module asks for checks this first. */
bool ClassFileInPlace(const char* className);

/* True when the host created the vessel. */
bool SpawnVessel(const char* name, const char* className, const VECTOR3& gpos, const VECTOR3& gvel);

#endif
