/* A direction in a planet's frame is turned into the global frame by the
 * planet's rotation, obliquity and theta, as the host orients its planets:
 * M = Ry(theta) Rx(obliquity) Ry(rotation). Pi is taken to 15 digits, as the
 * collision library expects, so the quarter turn is a hair short of pi / 2.
 *
 * An axis in a vessel's frame is found by moving one metre from the vessel
 * along it in global coordinates and mapping that point into the vessel's
 * frame. */
#include "planet_axes.h"

#include "host/vector_math.h"

#include <cmath>

namespace {

const double truncatedPi = 3.14159265358979;
const double quarterTurn = 0.5 * truncatedPi;

/* The global direction of length r towards latitude lat and longitude lng. */
VECTOR3 PlanetDirection(OBJHANDLE planet, double lat, double lng, double r)
{
    double e = oapiGetPlanetObliquity(planet);
    double t = oapiGetPlanetTheta(planet);
    double f = oapiGetPlanetCurrentRotation(planet);
    VECTOR3 p = _V(r * std::cos(lat) * std::cos(lng), r * std::sin(lat), r * std::cos(lat) * std::sin(lng));
    double ce = std::cos(e), se = std::sin(e);
    double ct = std::cos(t), st = std::sin(t);
    double cf = std::cos(f), sf = std::sin(f);
    return _V((ct * cf - ce * st * sf) * p.x - se * st * p.y - (ce * st * cf + ct * sf) * p.z,
              -se * sf * p.x + ce * p.y - se * cf * p.z,
              (ce * ct * sf + st * cf) * p.x + se * ct * p.y + (ce * ct * cf - st * sf) * p.z);
}

struct Axes {
    VECTOR3 a, b, c;
};

Axes PlanetAxes(OBJHANDLE planet)
{
    VECTOR3 x = PlanetDirection(planet, 0, 0, 1);
    VECTOR3 z = PlanetDirection(planet, 0, quarterTurn, 1);
    VECTOR3 pole = PlanetDirection(planet, quarterTurn, 0, 1);
    return {x, z, pole};
}

/* The axes, each as the point one metre from the vessel along it, in the
 * vessel's frame. */
Axes InVesselFrame(const VESSEL& vessel, const VECTOR3& position, const Axes& global)
{
    Axes local{};
    vessel.Global2Local(VecAdd(position, global.a), local.a);
    vessel.Global2Local(VecAdd(position, global.b), local.b);
    vessel.Global2Local(VecAdd(position, global.c), local.c);
    return local;
}

void Store(const Axes& axes, VECTOR3* a, VECTOR3* b, VECTOR3* c)
{
    if (a)
        *a = axes.a;
    if (b)
        *b = axes.b;
    if (c)
        *c = axes.c;
}

}  // namespace

extern "C" void SvcPlanetAxesGlobal(OBJHANDLE planet, VECTOR3* a, VECTOR3* b, VECTOR3* c)
{
    Store(PlanetAxes(planet), a, b, c);
}

extern "C" void SvcPlanetAxesLocal(VESSEL* vessel, VECTOR3* a, VECTOR3* b, VECTOR3* c)
{
    if (!vessel)
        return;
    VECTOR3 position;
    vessel->GetGlobalPos(position);
    Store(InVesselFrame(*vessel, position, PlanetAxes(vessel->GetSurfaceRef())), a, b, c);
}

extern "C" void SvcGlobalAxesLocal(VESSEL* vessel, VECTOR3* a, VECTOR3* b, VECTOR3* c)
{
    if (!vessel)
        return;
    VECTOR3 position;
    vessel->GetGlobalPos(position);
    Store(InVesselFrame(*vessel, position, {_V(1, 0, 0), _V(0, 1, 0), _V(0, 0, 1)}), a, b, c);
}
