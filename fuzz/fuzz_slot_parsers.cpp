/* The six input parsers, as the pilot reaches them: through the Weapons
 * display's input boxes. The first byte picks the key; the rest is typed. */
#include "fuzz_host.h"

#include "weapons/weapon_slots.h"
#include "weapons/weapons_mfd.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const DWORD keys[] = {0x16, 0x19, 0x1F, 0x20, 0x26, 0x2F};
    if (size < 1)
        return 0;
    emu::Host& host = FuzzHost();
    static bool slotsReady = (InitWeaponSlots(100.0, 0.0), true);
    (void)slotsReady;
    WeaponsMFD display(400, 400, oapiGetVesselInterface(FuzzShip()));
    if (!display.ConsumeKeyBuffered(keys[data[0] % 6]))
        std::abort();
    host.inputBox().confirm(AsText(data + 1, size - 1));
    TextCanvas canvas;
    display.Update(canvas.dc());
    for (const TextItem& item : canvas.items)
        if (item.text.size() >= 100)
            std::abort();  // every line fits its buffer
    return 0;
}
