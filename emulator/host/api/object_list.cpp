/* The host functions that list and name objects: the bodies first, in
 * their order, then the vessels in creation order. Only a vessel can take
 * the focus. */
#include "emulator/host/api/host_call.h"

using namespace emu;

DWORD oapiGetObjectCount()
{
    Host* host = EnterHost("oapiGetObjectCount");
    return host ? DWORD(host->world().bodyCount() + int(host->world().vesselCount())) : 0;
}

OBJHANDLE oapiGetObjectByIndex(int index)
{
    Host* host = EnterHost("oapiGetObjectByIndex", index);
    if (!host || index < 0)
        return nullptr;
    World& world = host->world();
    if (index < world.bodyCount())
        return world.bodyByIndex(index)->handle;
    size_t vessel = size_t(index - world.bodyCount());
    return vessel < world.vessels().size() ? world.vessels()[vessel] : nullptr;
}

OBJHANDLE oapiGetObjectByName(char* name)
{
    Host* host = EnterHost("oapiGetObjectByName", name);
    if (!host)
        return nullptr;
    if (Body* b = host->world().bodyByName(name))
        return b->handle;
    VesselRecord* v = host->world().vesselByName(name);
    return v ? v->handle : nullptr;
}

int oapiGetObjectType(OBJHANDLE object)
{
    Host* host = EnterHost("oapiGetObjectType");
    if (!host)
        return OBJTP_INVALID;
    if (host->world().vessel(object))
        return OBJTP_VESSEL;
    return host->world().body(object) ? OBJTP_PLANET : OBJTP_INVALID;
}

OBJHANDLE oapiGetFocusObject()
{
    Host* host = EnterHost("oapiGetFocusObject");
    return host ? host->world().focus : nullptr;
}

OBJHANDLE oapiSetFocusObject(OBJHANDLE object)
{
    Host* host = EnterHost("oapiSetFocusObject");
    if (!host || !host->world().vessel(object))
        return nullptr;
    OBJHANDLE previous = host->world().focus;
    host->setFocus(object);
    return previous;
}
