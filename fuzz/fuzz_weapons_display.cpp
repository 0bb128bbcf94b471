/* The Weapons display drawing a slot whose settings are any doubles at all:
 * every line stays within its buffer. */
#include "fuzz_host.h"

#include "weapons/weapon_slots.h"
#include "weapons/weapons_mfd.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    double values[7] = {};
    std::memcpy(values, data, std::min(size, sizeof values));
    FuzzHost();
    static bool slotsReady = (InitWeaponSlots(100.0, 0.0), true);
    (void)slotsReady;
    WeaponsMFD display(400, 400, oapiGetVesselInterface(FuzzShip()));
    WeaponSlot& slot = weaponSlots[display.slot];
    slot.distance = values[0];
    slot.velocity = values[1];
    slot.powerKt = values[2];
    slot.delay = values[3];
    slot.duration = values[4];
    slot.seqDelay = values[5];
    slot.seqOn = int(values[6] != 0);
    TextCanvas canvas;
    display.Update(canvas.dc());
    for (const TextItem& item : canvas.items)
        if (item.text.size() >= 100)
            std::abort();
    return 0;
}
