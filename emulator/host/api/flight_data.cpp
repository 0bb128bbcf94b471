/* The host functions on a vessel's flight data, each also for the focus
 * vessel. All are measured against body 0, every vessel's reference body;
 * without the vessel or the planet they write nothing and answer 0. */
#include "emulator/host/world/flight_data.h"
#include "emulator/host/motion/frame_math.h"
#include "emulator/host/api/host_call.h"

using namespace emu;

namespace {

/* A vessel with its planet; empty unless both exist. */
struct Subject {
    World* world = nullptr;
    VesselRecord* vessel = nullptr;
    Body* planet = nullptr;

    explicit operator bool() const { return vessel != nullptr; }
};

Subject Find(Host* host, OBJHANDLE vessel, const char* call)
{
    if (!host)
        return {};
    VesselRecord* v = host->liveVessel(vessel, call);
    Body* planet = host->world().bodyByIndex(0);
    if (!v || !planet)
        return {};
    return {&host->world(), v, planet};
}

Subject FindFocus(Host* host)
{
    if (!host || !host->world().focus)
        return {};
    return Find(host, host->world().focus, "the focus");
}

int Altitude(const Subject& s, double* alt)
{
    if (!s || !alt)
        return 0;
    *alt = s.world->altitude(*s.vessel);
    return 1;
}

int HeadingOf(const Subject& s, double* heading)
{
    if (!s || !heading)
        return 0;
    *heading = Heading(*s.planet, *s.vessel, s.world->simt);
    return 1;
}

int EquPos(const Subject& s, double* longitude, double* latitude, double* radius)
{
    if (!s || !longitude || !latitude || !radius)
        return 0;
    EquatorialPosition p = EquatorialAt(*s.planet, s.vessel->pos, s.world->simt);
    *longitude = p.longitude;
    *latitude = p.latitude;
    *radius = p.radius;
    return 1;
}

int ShipAirspeedVector(const Subject& s, VECTOR3* speedvec)
{
    if (!s || !speedvec)
        return 0;
    *speedvec = tmul(s.vessel->rot, AirVelocity(*s.planet, *s.vessel));
    return 1;
}

}  // namespace

BOOL oapiGetAltitude(OBJHANDLE vessel, double* alt)
{
    return Altitude(Find(EnterHost("oapiGetAltitude"), vessel, "oapiGetAltitude"), alt);
}

// Planets here have no terrain: the ground is the mean radius.
BOOL oapiGetAltitude(OBJHANDLE vessel, AltitudeMode, double* alt)
{
    return Altitude(Find(EnterHost("oapiGetAltitude"), vessel, "oapiGetAltitude"), alt);
}

int oapiGetFocusAltitude(double* alt)
{
    return Altitude(FindFocus(EnterHost("oapiGetFocusAltitude")), alt);
}

int oapiGetHeading(OBJHANDLE vessel, double* heading)
{
    return HeadingOf(Find(EnterHost("oapiGetHeading"), vessel, "oapiGetHeading"), heading);
}

int oapiGetFocusHeading(double* heading)
{
    return HeadingOf(FindFocus(EnterHost("oapiGetFocusHeading")), heading);
}

int oapiGetEquPos(OBJHANDLE vessel, double* longitude, double* latitude, double* radius)
{
    return EquPos(Find(EnterHost("oapiGetEquPos"), vessel, "oapiGetEquPos"), longitude, latitude, radius);
}

int oapiGetFocusEquPos(double* longitude, double* latitude, double* radius)
{
    return EquPos(FindFocus(EnterHost("oapiGetFocusEquPos")), longitude, latitude, radius);
}

int oapiGetShipAirspeedVector(OBJHANDLE vessel, VECTOR3* speedvec)
{
    return ShipAirspeedVector(Find(EnterHost("oapiGetShipAirspeedVector"), vessel, "oapiGetShipAirspeedVector"), speedvec);
}

int oapiGetFocusShipAirspeedVector(VECTOR3* speedvec)
{
    return ShipAirspeedVector(FindFocus(EnterHost("oapiGetFocusShipAirspeedVector")), speedvec);
}

int oapiGetFocusAirspeed(double* airspeed)
{
    Subject s = FindFocus(EnterHost("oapiGetFocusAirspeed"));
    if (!s || !airspeed)
        return 0;
    *airspeed = length(AirVelocity(*s.planet, *s.vessel));
    return 1;
}
