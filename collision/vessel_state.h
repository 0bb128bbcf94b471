/* A vessel's extended state record as the services read it from the host
 * and hand it back. */
#ifndef BRIMSTAR_COLLISION_VESSEL_STATE_H
#define BRIMSTAR_COLLISION_VESSEL_STATE_H

#include "host/host_api.h"

const DWORD stateRecordVersion = 2;

/* The record's status of a vessel on the ground; 0 is free flight. */
const int flightStatusLanded = 1;

/* The record as the host fills it. Only version 2 and flag 0 are set
 * beforehand; the rest starts at zero, so a vessel the host no longer knows
 * reads as an empty record. */
void ReadState(const VESSEL& vessel, VesselStateEx& state);

#endif
