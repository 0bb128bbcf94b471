/* VESSEL's flight data: see flight_data.h for how each is measured. Without
 * the vessel or a planet every answer is zero and no reference body is
 * named. */
#include "emulator/host/world/flight_data.h"
#include "emulator/host/motion/frame_math.h"
#include "emulator/host/api/vessel_call.h"

#include <cmath>

using namespace emu;

namespace {

/* The vessel's planet, or null when either is missing */
Body* PlanetOf(const VesselRecord* v)
{
    return v ? Host::current()->world().bodyByIndex(0) : nullptr;
}

double SimTime()
{
    return Host::current()->world().simt;
}

OBJHANDLE Apsis(const VesselRecord* v, double& distance, double Apsides::*which)
{
    distance = 0.0;
    Body* planet = PlanetOf(v);
    Apsides apsides;
    if (!planet || !ApsidesOf(*planet, *v, apsides))
        return nullptr;
    distance = apsides.*which;
    return planet->handle;
}

}  // namespace

OBJHANDLE VESSEL::GetPeDist(double& pedist) const
{
    return Apsis(EnterVessel(hVessel_, "GetPeDist"), pedist, &Apsides::periapsis);
}

OBJHANDLE VESSEL::GetApDist(double& apdist) const
{
    return Apsis(EnterVessel(hVessel_, "GetApDist"), apdist, &Apsides::apoapsis);
}

bool VESSEL::GetHorizonAirspeedVector(VECTOR3& v) const
{
    VesselRecord* vessel = EnterVessel(hVessel_, "GetHorizonAirspeedVector");
    Body* planet = PlanetOf(vessel);
    v = planet ? HorizonAirVelocity(*planet, *vessel, SimTime()) : VECTOR3{0, 0, 0};
    return planet && planet->atmosphere;
}

bool VESSEL::GetShipAirspeedVector(VECTOR3& v) const
{
    VesselRecord* vessel = EnterVessel(hVessel_, "GetShipAirspeedVector");
    Body* planet = PlanetOf(vessel);
    v = planet ? tmul(vessel->rot, AirVelocity(*planet, *vessel)) : VECTOR3{0, 0, 0};
    return planet && planet->atmosphere;
}

double VESSEL::GetAirspeed() const
{
    VesselRecord* vessel = EnterVessel(hVessel_, "GetAirspeed");
    Body* planet = PlanetOf(vessel);
    return planet ? length(AirVelocity(*planet, *vessel)) : 0.0;
}

double VESSEL::GetPitch() const
{
    VesselRecord* vessel = EnterVessel(hVessel_, "GetPitch");
    Body* planet = PlanetOf(vessel);
    return planet ? Pitch(*planet, *vessel) : 0.0;
}

double VESSEL::GetBank() const
{
    VesselRecord* vessel = EnterVessel(hVessel_, "GetBank");
    Body* planet = PlanetOf(vessel);
    return planet ? Bank(*planet, *vessel) : 0.0;
}

double VESSEL::GetAOA() const
{
    VesselRecord* vessel = EnterVessel(hVessel_, "GetAOA");
    Body* planet = PlanetOf(vessel);
    if (!planet)
        return 0.0;
    // The angle of the airflow in the vessel's y-z plane; nose up is positive.
    VECTOR3 air = tmul(vessel->rot, AirVelocity(*planet, *vessel));
    return std::atan2(-air.y, air.z);
}

void VESSEL::GetAngularVel(VECTOR3& avel) const
{
    VesselRecord* vessel = EnterVessel(hVessel_, "GetAngularVel");
    avel = vessel ? vessel->angularVel : VECTOR3{0, 0, 0};
}
