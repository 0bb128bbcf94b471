/* Services that give the axes of a planet's own frame, and of the global
 * frame, as directions: in global coordinates, or in a vessel's frame. */
#ifndef BRIMSTAR_COLLISION_PLANET_AXES_H
#define BRIMSTAR_COLLISION_PLANET_AXES_H

#include "host/host_api.h"

/* Each writes only the outputs whose address is not null; for a null
 * vessel it writes nothing. */
extern "C" {
/* a: the planet's x axis (equator, longitude 0), b: its z axis (equator,
 * longitude 90 degrees), c: its polar axis; global, of length 1. */
void SvcPlanetAxesGlobal(OBJHANDLE planet, VECTOR3* a, VECTOR3* b, VECTOR3* c);
/* The same three axes of the vessel's surface reference, in the vessel's frame. */
void SvcPlanetAxesLocal(VESSEL* vessel, VECTOR3* a, VECTOR3* b, VECTOR3* c);
/* The global x, y and z axes in the vessel's frame. */
void SvcGlobalAxesLocal(VESSEL* vessel, VECTOR3* a, VECTOR3* b, VECTOR3* c);
}

#endif
