/* What the stand-in collision library has been handed, for tests to read
 * through its CollisionProbeState export. */
#ifndef BRIMSTAR_EMULATOR_COLLISION_PROBE_H
#define BRIMSTAR_EMULATOR_COLLISION_PROBE_H

#include "host/collision_api.h"

struct CollisionProbe {
    int initintCalls;
    void** table;
    int maincallCalls[2];  // by phase
    double lastSimt;
    double lastSimdt;
    int drmfdCalls;
    int lastWidth;
    int lastHeight;
    int mfdevCalls;
    int lastEvent;
    int statlCalls;
    int statsCalls;
    int registrations;  // calls of VSSetOnCollide
    OBJHANDLE lastRegisteredVessel;
    int watched;        // vessels registered now
    int contactsThisStep;
    long totalContacts;
};

typedef const CollisionProbe* (*CollisionProbeStateFn)();

#endif
