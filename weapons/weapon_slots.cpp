#include "weapon_slots.h"

WeaponSlot weaponSlots[weaponSlotCount];

void InitWeaponSlots(double velocity, double powerKt)
{
    const double duration = 3.0;
    for (WeaponSlot& slot : weaponSlots) {
        slot.distance = 0.0;
        slot.velocity = velocity;
        slot.powerKt = powerKt;
        slot.duration = duration;
        slot.delay = 10.0;
        // Derived once: a later change of the duration leaves it alone.
        slot.seqDelay = duration + 10.0;
        slot.lastSeqTime = 0.0;
        slot.seqOn = 0;
        slot.hVessel = nullptr;
    }
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
