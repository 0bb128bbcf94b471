#include "emulator/host/world/flight_data.h"

#include "emulator/host/motion/frame_math.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace emu {

namespace {

const double twoPi = 6.283185307179586;

VECTOR3 Unit(const VECTOR3& a)
{
    double l = length(a);
    return l > 0.0 ? a * (1.0 / l) : VECTOR3{0, 0, 0};
}

VECTOR3 Up(const Body& planet, const VesselRecord& vessel)
{
    return Unit(vessel.pos - planet.pos);
}

}  // namespace

Horizon HorizonAt(const Body& planet, const VECTOR3& global, double simt)
{
    VECTOR3 up = Unit(global - planet.pos);
    VECTOR3 axis = planet.fixedToGlobal({0, 1, 0}, simt);
    VECTOR3 north = axis - up * dot(axis, up);
    if (length(north) < 1e-12)  // at a pole: north along the meridian of longitude 0
        north = planet.fixedToGlobal({-1, 0, 0}, simt) * (dot(axis, up) > 0 ? 1.0 : -1.0);
    north = Unit(north);
    return {cross(up, north), up, north};
}

EquatorialPosition EquatorialAt(const Body& planet, const VECTOR3& global, double simt)
{
    VECTOR3 fixed = planet.globalToFixed(global - planet.pos, simt);
    double radius = length(fixed);
    if (radius == 0.0)
        return {0.0, 0.0, 0.0};
    return {std::atan2(fixed.z, fixed.x), std::asin(std::clamp(fixed.y / radius, -1.0, 1.0)), radius};
}

VECTOR3 AirVelocity(const Body& planet, const VesselRecord& vessel)
{
    VECTOR3 wind = cross(planet.angularVelocity(), vessel.pos - planet.pos);
    return vessel.vel - planet.vel - wind;
}

VECTOR3 HorizonAirVelocity(const Body& planet, const VesselRecord& vessel, double simt)
{
    Horizon h = HorizonAt(planet, vessel.pos, simt);
    VECTOR3 air = AirVelocity(planet, vessel);
    return {dot(air, h.east), dot(air, h.up), dot(air, h.north)};
}

double Heading(const Body& planet, const VesselRecord& vessel, double simt)
{
    Horizon h = HorizonAt(planet, vessel.pos, simt);
    VECTOR3 forward = mul(vessel.rot, VECTOR3{0, 0, 1});
    double heading = std::atan2(dot(forward, h.east), dot(forward, h.north));
    return heading < 0.0 ? heading + twoPi : heading;
}

double Pitch(const Body& planet, const VesselRecord& vessel)
{
    VECTOR3 forward = mul(vessel.rot, VECTOR3{0, 0, 1});
    return std::asin(std::clamp(dot(forward, Up(planet, vessel)), -1.0, 1.0));
}

double Bank(const Body& planet, const VesselRecord& vessel)
{
    VECTOR3 up = Up(planet, vessel);
    return std::atan2(-dot(mul(vessel.rot, VECTOR3{1, 0, 0}), up), dot(mul(vessel.rot, VECTOR3{0, 1, 0}), up));
}

bool ApsidesOf(const Body& planet, const VesselRecord& vessel, Apsides& apsides)
{
    VECTOR3 r = vessel.pos - planet.pos;
    VECTOR3 v = vessel.vel - planet.vel;
    double distance = length(r);
    if (distance == 0.0 || planet.gm <= 0.0)
        return false;
    // The conic's parameter and eccentricity fix both apsides, for every
    // kind of orbit.
    VECTOR3 h = cross(r, v);
    double p = dot(h, h) / planet.gm;
    double e = length(cross(v, h) * (1.0 / planet.gm) - r * (1.0 / distance));
    apsides.periapsis = p / (1.0 + e);
    apsides.apoapsis = std::fabs(1.0 - e) < 1e-12 ? std::numeric_limits<double>::infinity() : p / (1.0 - e);
    return true;
}

}  // namespace emu
