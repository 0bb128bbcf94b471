/* Any name a scenario can give a vessel of the module's classes: the entry
 * point makes a bomb or a rock of it, which then lives a few steps. */
#include "fuzz_host.h"

DLLCLBK VESSEL* ovcInit(OBJHANDLE hVessel, int flightModel);
DLLCLBK void ovcExit(VESSEL* vessel);

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    emu::Host& host = FuzzHost();
    FuzzShip();
    std::string name = AsText(data, size);
    if (name.empty())
        return 0;
    VesselStateEx state{};
    state.version = 2;
    state.rbody = oapiGetGbodyByIndex(0);
    state.rpos = _V(7e6, 100, 0);
    OBJHANDLE handle = host.createVessel(name.c_str(), "Ship", state);
    if (!handle)
        return 0;
    VESSEL* vessel = ovcInit(handle, 1);
    // The module's vessels are VESSEL2s, as the interface version says.
    auto* callbacks = static_cast<VESSEL2*>(vessel);
    callbacks->clbkSetClassCaps(nullptr);
    for (int i = 1; i <= 4; ++i)
        callbacks->clbkPreStep(host.world().simt + i * 5.0, 5.0, 0);
    ovcExit(vessel);
    host.requestDeletion(handle);
    host.processDeletions();
    return 0;
}
