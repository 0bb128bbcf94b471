/* A creation record starts with every byte zero (the host reads fields the
 * services never set), then version 2 and the reference body, which is
 * passed on as the host finds it: null for a name of no body. The
 * arguments give orientation before angular velocity and latitude before
 * longitude; the record holds them the other way round. A class without a
 * class file is never asked for: the host would end the simulation. */
#include "creation_services.h"

#include "host/spawn_vessel.h"
#include "vessel_state.h"

#include <cstring>

namespace {

void StartRecord(VesselStateEx& state, const char* bodyName)
{
    std::memset(&state, 0, sizeof state);
    state.version = stateRecordVersion;
    state.rbody = oapiGetGbodyByName(HostText(bodyName));
}

int Create(const char* name, const char* className, const VesselStateEx& state)
{
    if (!ClassFileInPlace(className))
        return 0;
    return oapiCreateVesselEx(name, className, &state) ? 1 : 0;
}

}  // namespace

extern "C" int SvcCreateVesselInFlight(const char* name, const char* className, const char* bodyName,
                                       VECTOR3 pos, VECTOR3 vel, VECTOR3 arot, VECTOR3 vrot)
{
    if (oapiGetVesselByName(HostText(name)))
        return 0;
    VesselStateEx state;
    StartRecord(state, bodyName);
    state.rpos = pos;
    state.rvel = vel;
    state.arot = arot;
    state.vrot = vrot;
    return Create(name, className, state);
}

extern "C" int SvcCreateVesselLanded(const char* name, const char* className, const char* bodyName,
                                     double latitude, double longitude, double heading)
{
    if (oapiGetVesselByName(HostText(name)))
        return 0;
    VesselStateEx state;
    StartRecord(state, bodyName);
    state.status = flightStatusLanded;
    state.surf_lat = latitude;
    state.surf_lng = longitude;
    state.surf_hdg = heading;
    return Create(name, className, state);
}
