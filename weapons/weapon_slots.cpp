#include "weapon_slots.h"

WeaponSlot weaponSlots[weaponSlotCount];

namespace {

WeaponSlot freeSlot;  // what every slot holds until a vessel takes it

}  // namespace

void InitWeaponSlots(double velocity, double powerKt)
{
    const double duration = 3.0;
    freeSlot.distance = 0.0;
    freeSlot.velocity = velocity;
    freeSlot.powerKt = powerKt;
    freeSlot.duration = duration;
    freeSlot.delay = 10.0;
    // Derived once: a later change of the duration leaves it alone.
    freeSlot.seqDelay = duration + 10.0;
    freeSlot.lastSeqTime = 0.0;
    freeSlot.seqOn = 0;
    freeSlot.hVessel = nullptr;
    for (WeaponSlot& slot : weaponSlots)
        slot = freeSlot;
}

void ReleaseWeaponSlot(OBJHANDLE hVessel)
{
    if (!hVessel)
        return;
    for (WeaponSlot& slot : weaponSlots)
        if (slot.hVessel == hVessel)
            slot = freeSlot;
}

void RestartWeaponSequences(double simt)
{
    for (WeaponSlot& slot : weaponSlots)
        slot.lastSeqTime = simt;
}

int FindWeaponSlot(OBJHANDLE hVessel)
{
    // Null marks a free slot: it can never be a vessel's own.
    if (!hVessel)
        return -1;
    for (int i = 0; i < weaponSlotCount; ++i)
        if (weaponSlots[i].hVessel == hVessel)
            return i;
    for (int i = 0; i < weaponSlotCount; ++i)
        if (!weaponSlots[i].hVessel) {
            weaponSlots[i].hVessel = hVessel;
            return i;
        }
    return -1;
}
