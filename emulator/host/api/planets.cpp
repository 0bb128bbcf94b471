/* The host functions on a planet's atmosphere and surface bases. The
 * emulated planets have no surface bases. */
#include "emulator/host/api/host_call.h"

using namespace emu;

namespace {

Body* Planet(const char* function, OBJHANDLE planet)
{
    Host* host = EnterHost(function);
    return host ? host->world().body(planet) : nullptr;
}

}  // namespace

bool oapiPlanetHasAtmosphere(OBJHANDLE planet)
{
    Body* b = Planet("oapiPlanetHasAtmosphere", planet);
    return b && b->atmosphere;
}

const ATMCONST* oapiGetPlanetAtmConstants(OBJHANDLE planet)
{
    Body* b = Planet("oapiGetPlanetAtmConstants", planet);
    return b && b->atmosphere ? &b->atm : nullptr;
}

DWORD oapiGetBaseCount(OBJHANDLE planet)
{
    Planet("oapiGetBaseCount", planet);
    return 0;
}

OBJHANDLE oapiGetBaseByIndex(OBJHANDLE planet, int)
{
    Planet("oapiGetBaseByIndex", planet);
    return nullptr;
}
