#include "nuke_launch.h"

#include "host/spawn_vessel.h"
#include "host/vector_math.h"

#include <cmath>
#include <cstdio>

bool FormatNukeName(char* buffer, std::size_t size, const WeaponSlot& slot)
{
    // Every %f number prints all its integer digits: a huge setting would make
    // a name too long, and one cut short would carry wrong settings.
    if (!std::isfinite(slot.delay) || !std::isfinite(slot.duration) || !std::isfinite(slot.powerKt))
        return false;
    int length = std::snprintf(buffer, size, "Nuke/%f/%f/%f", slot.delay, slot.duration, slot.powerKt);
    return length > 0 && std::size_t(length) < size && std::size_t(length) <= longestNukeName;
}

namespace {

bool IsFinite(const VECTOR3& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

}  // namespace

bool FireNuke(int slotIndex)
{
    if (slotIndex < 0 || slotIndex >= weaponSlotCount)
        return false;
    const WeaponSlot& slot = weaponSlots[slotIndex];
    if (!slot.hVessel || !oapiIsVessel(slot.hVessel))
        return false;  // the vessel is gone: its handle must not be passed on
    VESSEL* vessel = oapiGetVesselInterface(slot.hVessel);
    if (!vessel)
        return false;
    VECTOR3 pos, vel, forward;
    vessel->GetGlobalPos(pos);
    vessel->GetGlobalVel(vel);
    vessel->GlobalRot(_V(0, 0, 1), forward);
    pos = VecAdd(pos, VecScale(forward, slot.distance));
    vel = VecAdd(vel, VecScale(forward, slot.velocity));
    // A distance or velocity that is not finite, or so large that the sum
    // overflows, would put the bomb nowhere: it is not fired.
    if (!IsFinite(pos) || !IsFinite(vel))
        return false;
    char name[nukeNameSize];
    if (!FormatNukeName(name, sizeof name, slot))
        return false;
    return SpawnVessel(name, nukeClassName, pos, vel);
}

void WeaponSequenceStep(double simt)
{
    for (int i = 0; i < weaponSlotCount; ++i) {
        WeaponSlot& slot = weaponSlots[i];
        if (!slot.hVessel || !slot.seqOn)
            continue;
        if (!(simt - slot.lastSeqTime > slot.seqDelay))
            continue;
        FireNuke(i);
        slot.lastSeqTime = simt;
    }
}
