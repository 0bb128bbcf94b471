/* The body both of the module's vessel classes declare first: a size and a
 * mass of their own, and otherwise the same small, tumbling-resistant shape
 * resting on three touchdown points. */
#ifndef BRIMSTAR_HOST_PLAIN_BODY_H
#define BRIMSTAR_HOST_PLAIN_BODY_H

#include "host/host_api.h"

/* Size, inertia, mass, cross sections, rotational drag, friction, camera and
 * touchdown points, in the host's order. */
void DeclarePlainBody(const VESSEL& vessel, double size, double emptyMass);

#endif
