/* Per-vessel weapon settings: one module-wide table of slots, bound to a
 * vessel by its handle the first time a Weapons display opens for it. The
 * host reuses a deleted vessel's handle, and a session's handles mean
 * nothing in the next: a slot is released, its settings back to a free
 * slot's, when its vessel goes or the session ends. */
#ifndef BRIMSTAR_WEAPONS_WEAPON_SLOTS_H
#define BRIMSTAR_WEAPONS_WEAPON_SLOTS_H

#include "host/host_api.h"

struct WeaponSlot {
    OBJHANDLE hVessel;   // null: the slot is free
    double powerKt;      // kt
    double duration;     // s
    double delay;        // s; negative: trigger altitude in m
    double seqDelay;     // s
    double lastSeqTime;  // s of simulation time
    int seqOn;
    double distance;     // m ahead of the vessel
    double velocity;     // m/s forwards, added to the vessel's
};

const int weaponSlotCount = 100;

extern WeaponSlot weaponSlots[weaponSlotCount];

/* Fills every slot with its defaults. */
void InitWeaponSlots(double velocity, double powerKt);

/* The slot of the vessel, binding the first free one to it when it has none;
 * -1 when all are taken by other vessels. */
int FindWeaponSlot(OBJHANDLE hVessel);

/* Frees the vessel's slot, if it has one, with a free slot's settings. */
void ReleaseWeaponSlot(OBJHANDLE hVessel);

/* The clock went back, to a new session's 0 or by a time jump, even below
 * 0: every sequence counts from simt, not from a time still to come. */
void RestartWeaponSequences(double simt);

#endif
