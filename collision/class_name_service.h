/* The service that copies a vessel's class name into the caller's buffer. */
#ifndef BRIMSTAR_COLLISION_CLASS_NAME_SERVICE_H
#define BRIMSTAR_COLLISION_CLASS_NAME_SERVICE_H

#include "host/host_api.h"

/* Capacity of the caller's buffer, in characters. */
const int classNameBufferSize = 255;

/* Clears the buffer's 255 characters and copies at most 254 of the class
 * name into it, so the text always ends within the buffer. The buffer's
 * address, or null when the vessel has no class name (or no buffer is
 * given). */
extern "C" char* SvcGetClassName(VESSEL* vessel, char* buffer);

#endif
