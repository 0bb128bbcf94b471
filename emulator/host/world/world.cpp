#include "emulator/host/world/world.h"

#include "emulator/host/world/frame_math.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace emu {

double VesselRecord::mass() const
{
    double total = emptyMass;
    for (const Propellant& p : propellants)
        total += p.mass;
    return total;
}

World::World() : bodies_(bodyHandles), vessels_(vesselHandles) {}

OBJHANDLE World::addBody(const Body& body)
{
    OBJHANDLE handle = bodies_.insert(std::make_unique<Body>(body));
    bodies_.find(handle)->handle = handle;
    bodyOrder_.push_back(handle);
    return handle;
}

void World::clearBodies()
{
    for (OBJHANDLE h : bodyOrder_)
        bodies_.erase(h);
    bodyOrder_.clear();
}

Body* World::bodyByIndex(int index) const
{
    if (index < 0 || index >= int(bodyOrder_.size()))
        return nullptr;
    return bodies_.find(bodyOrder_[size_t(index)]);
}

Body* World::bodyByName(const char* name) const
{
    for (OBJHANDLE h : bodyOrder_)
        if (name && bodies_.find(h)->name == name)
            return bodies_.find(h);
    return nullptr;
}

OBJHANDLE World::addVessel(std::unique_ptr<VesselRecord> vessel)
{
    VesselRecord* record = vessel.get();
    record->handle = vessels_.insert(std::move(vessel));
    vesselOrder_.push_back(record->handle);
    return record->handle;
}

VesselRecord* World::vesselByName(const char* name) const
{
    if (!name)
        return nullptr;
    for (OBJHANDLE h : vesselOrder_) {
        VesselRecord* v = vessels_.find(h);
        if (v->name == name)
            return v;
    }
    return nullptr;
}

std::unique_ptr<VesselRecord> World::removeVessel(OBJHANDLE handle)
{
    // Searched from the back: a world empties from there, and the latest
    // vessels are the likeliest to go.
    auto it = std::find(vesselOrder_.rbegin(), vesselOrder_.rend(), handle);
    if (it != vesselOrder_.rend())
        vesselOrder_.erase(std::next(it).base());
    if (focus == handle)
        focus = nullptr;
    return vessels_.erase(handle);
}

double World::altitude(const VesselRecord& vessel) const
{
    const Body* planet = bodyByIndex(0);
    if (!planet)
        return 0.0;
    return length(vessel.pos - planet->pos) - planet->radius;
}

void World::integrate(const std::vector<OBJHANDLE>& vessels, double dt)
{
    const Body* planet = bodyByIndex(0);
    for (OBJHANDLE h : vessels) {
        VesselRecord* v = vessels_.find(h);
        if (!v)
            continue;
        VECTOR3 thrust{0, 0, 0};
        for (Thruster& t : v->thrusters) {
            if (t.level <= 0.0)
                continue;
            double f = t.level * t.maxThrust;
            if (t.propellant >= 0) {
                Propellant& p = v->propellants[size_t(t.propellant)];
                if (p.mass <= 0.0)
                    continue;
                if (t.isp > 0.0)
                    p.mass = std::max(0.0, p.mass - f / (t.isp * p.efficiency) * dt);
            }
            thrust = thrust + t.dir * f;
        }
        VECTOR3 total = v->force + mul(v->rot, thrust);
        v->lastForce = v->force;
        v->force = {0, 0, 0};
        if (v->status == 1)
            continue;  // landed vessels stay where they are
        VECTOR3 accel = total * (1.0 / v->mass());
        if (gravity && planet) {
            VECTOR3 r = v->pos - planet->pos;
            double d = length(r);
            if (d > 0.0)
                accel = accel - r * (planet->gm / (d * d * d));
        }
        v->vel = v->vel + accel * dt;
        v->pos = v->pos + v->vel * dt;
        if (v->angularVel.x != 0.0 || v->angularVel.y != 0.0 || v->angularVel.z != 0.0)
            v->rot = mul(v->rot, RotationFromAngularStep(v->angularVel, dt));
    }
    for (OBJHANDLE h : bodyOrder_) {
        Body* b = bodies_.find(h);
        b->pos = b->pos + b->vel * dt;
    }
}

}  // namespace emu
