/* The table of host services handed to the collision library, which finds
 * every service by its index. */
#ifndef BRIMSTAR_COLLISION_SERVICE_TABLE_H
#define BRIMSTAR_COLLISION_SERVICE_TABLE_H

#include "host/collision_api.h"

extern void* serviceTable[SERVICE_TABLE_SIZE];

/* Fills every entry in one pass. */
void FillServiceTable();

#endif
