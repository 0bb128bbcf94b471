/* The host functions on vessels and celestial bodies. */
#include "emulator/host/api/host_call.h"

#include "emulator/host/motion/frame_math.h"

#include <cstring>
#include <filesystem>

using emu::Body;
using emu::EnterHost;
using emu::Host;
using emu::VesselRecord;

namespace {

VesselRecord* Vessel(OBJHANDLE handle)
{
    Host* host = Host::current();
    return host ? host->world().vessel(handle) : nullptr;
}

Body* GBody(OBJHANDLE handle)
{
    Host* host = Host::current();
    return host ? host->world().body(handle) : nullptr;
}

}  // namespace

VESSEL* oapiGetFocusInterface()
{
    Host* host = EnterHost("oapiGetFocusInterface");
    return host ? host->focusInterface() : nullptr;
}

VESSEL* oapiGetVesselInterface(OBJHANDLE vessel)
{
    Host* host = EnterHost("oapiGetVesselInterface");
    VesselRecord* v = host ? host->liveVessel(vessel, "oapiGetVesselInterface") : nullptr;
    return v ? v->iface : nullptr;
}

DWORD oapiGetVesselCount()
{
    Host* host = Host::current();
    return host ? DWORD(host->world().vesselCount()) : 0;
}

OBJHANDLE oapiGetVesselByIndex(int index)
{
    Host* host = Host::current();
    if (!host || index < 0 || size_t(index) >= host->world().vessels().size())
        return nullptr;
    return host->world().vessels()[size_t(index)];
}

OBJHANDLE oapiGetVesselByName(char* name)
{
    Host* host = EnterHost("oapiGetVesselByName", name);
    VesselRecord* v = host ? host->world().vesselByName(name) : nullptr;
    return v ? v->handle : nullptr;
}

bool oapiIsVessel(OBJHANDLE object)
{
    return Vessel(object) != nullptr;
}

void oapiGetObjectName(OBJHANDLE object, char* name, int n)
{
    Host* host = Host::current();
    if (!host || !host->liveObject(object, "oapiGetObjectName") || !name || n <= 0)
        return;
    const std::string* source = nullptr;
    if (VesselRecord* v = Vessel(object))
        source = &v->details->name;
    else if (Body* b = GBody(object))
        source = &b->name;
    size_t length = source ? std::min(source->size(), size_t(n - 1)) : 0;
    if (length)
        std::memcpy(name, source->data(), length);
    name[length] = '\0';
}

OBJHANDLE oapiCreateVesselEx(const char* name, const char* classname, const void* status)
{
    Host* host = Host::current();
    if (!host || !status)
        return nullptr;
    return host->createVessel(name, classname, *static_cast<const VESSELSTATUS2*>(status));
}

// The camera target only moves the camera, which here follows the focus.
bool oapiDeleteVessel(OBJHANDLE vessel, OBJHANDLE)
{
    Host* host = Host::current();
    return host && host->liveVessel(vessel, "oapiDeleteVessel") && host->requestDeletion(vessel);
}

OBJHANDLE oapiGetGbodyByIndex(int index)
{
    Host* host = EnterHost("oapiGetGbodyByIndex", index);
    Body* b = host ? host->world().bodyByIndex(index) : nullptr;
    return b ? b->handle : nullptr;
}

OBJHANDLE oapiGetGbodyByName(char* name)
{
    Host* host = EnterHost("oapiGetGbodyByName", name);
    Body* b = host ? host->world().bodyByName(name) : nullptr;
    return b ? b->handle : nullptr;
}

namespace {

/* An object's global position or velocity: a vessel's, a body's, or zero. */
template <VECTOR3 VesselRecord::*vesselValue, VECTOR3 Body::*bodyValue>
void GlobalValue(const char* call, OBJHANDLE object, VECTOR3* out)
{
    Host* host = EnterHost(call);
    if (!out || !host)
        return;
    *out = {0, 0, 0};
    if (!host->liveObject(object, call))
        return;
    if (VesselRecord* v = Vessel(object))
        *out = v->*vesselValue;
    else if (Body* b = GBody(object))
        *out = b->*bodyValue;
}

}  // namespace

void oapiGetGlobalPos(OBJHANDLE object, VECTOR3* pos)
{
    GlobalValue<&VesselRecord::pos, &Body::pos>("oapiGetGlobalPos", object, pos);
}

void oapiGetGlobalVel(OBJHANDLE object, VECTOR3* vel)
{
    GlobalValue<&VesselRecord::vel, &Body::vel>("oapiGetGlobalVel", object, vel);
}

double oapiGetPlanetObliquity(OBJHANDLE planet)
{
    Body* b = GBody(planet);
    return b ? b->obliquity : 0.0;
}

double oapiGetPlanetTheta(OBJHANDLE planet)
{
    Body* b = GBody(planet);
    return b ? b->theta : 0.0;
}

double oapiGetPlanetCurrentRotation(OBJHANDLE planet)
{
    Body* b = GBody(planet);
    Host* host = Host::current();
    return b && host ? b->rotationAt(host->world().simt) : 0.0;
}
