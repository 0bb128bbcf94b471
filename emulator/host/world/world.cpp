#include "emulator/host/world/world.h"

#include "emulator/host/motion/frame_math.h"
#include "emulator/host/motion/integration.h"
#include "emulator/host/world/surface_contact.h"

#include <algorithm>
#include <cctype>

namespace emu {

void UpdateMass(VesselRecord& vessel)
{
    double total = vessel.details->emptyMass;
    for (const Propellant& p : vessel.details->propellants)
        total += p.mass;
    vessel.mass = total;
}

namespace {

/* Names as the host compares them: in any letter case. */
std::string Folded(const std::string& name)
{
    std::string folded = name;
    for (char& c : folded)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

/* The vessel's thrust in its own frame over the step, burning what it
 * uses; a thruster whose tank is dry gives none. */
VECTOR3 Burn(VesselRecord& v, double dt)
{
    VesselDetails& d = *v.details;
    VECTOR3 thrust{0, 0, 0};
    bool burnt = false;
    for (Thruster& t : d.thrusters) {
        if (t.level <= 0.0)
            continue;
        double f = t.level * t.maxThrust;
        if (t.propellant >= 0) {
            Propellant& p = d.propellants[size_t(t.propellant)];
            if (p.mass <= 0.0)
                continue;
            if (t.isp > 0.0) {
                p.mass = std::max(0.0, p.mass - f / (t.isp * p.efficiency) * dt);
                burnt = true;
            }
        }
        thrust = thrust + t.dir * f;
    }
    if (burnt)
        UpdateMass(v);
    return thrust;
}

}  // namespace

World::World() : bodies_(bodyHandles), vessels_(vesselHandles, HandleReuse::likeAddresses) {}

OBJHANDLE World::addBody(const Body& body)
{
    OBJHANDLE handle = bodies_.insert(body);
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
    if (!name)
        return nullptr;
    std::string wanted = Folded(name);
    for (OBJHANDLE h : bodyOrder_)
        if (Folded(bodies_.find(h)->name) == wanted)
            return bodies_.find(h);
    return nullptr;
}

OBJHANDLE World::addVessel(VesselRecord vessel)
{
    OBJHANDLE handle = vessels_.insert(std::move(vessel));
    if (!handle)
        return nullptr;
    VesselRecord* record = vessels_.find(handle);
    record->handle = handle;
    VesselDetails& details = *record->details;
    details.serial = nextSerial_++;
    details.orderIndex = std::uint32_t(vesselOrder_.size());
    vesselOrder_.push_back(handle);
    callbacksInOrder_.push_back(record->callbacks);
    vesselsByName_[Folded(details.name)].emplace(details.serial, handle);
    for (const VECTOR3& point : details.touchdown)
        touchdownReach = std::max(touchdownReach, length(point));
    return handle;
}

VesselRecord* World::vesselByName(const char* name) const
{
    if (!name)
        return nullptr;
    auto found = vesselsByName_.find(Folded(name));
    return found == vesselsByName_.end() ? nullptr : vessels_.find(found->second.begin()->second);
}

std::optional<VesselRecord> World::removeVessel(OBJHANDLE handle)
{
    VesselRecord* record = vessels_.find(handle);
    if (!record)
        return std::nullopt;
    const VesselDetails& details = *record->details;
    // As the host's list does: the last vessel moves into the gap.
    OBJHANDLE last = vesselOrder_.back();
    vesselOrder_[details.orderIndex] = last;
    callbacksInOrder_[details.orderIndex] = callbacksInOrder_.back();
    vessels_.find(last)->details->orderIndex = details.orderIndex;
    vesselOrder_.pop_back();
    callbacksInOrder_.pop_back();
    auto named = vesselsByName_.find(Folded(details.name));
    named->second.erase(details.serial);
    if (named->second.empty())
        vesselsByName_.erase(named);
    if (focus == handle)
        focus = nullptr;
    return vessels_.erase(handle);
}

void World::setCallbacks(VesselRecord& vessel, VESSEL2* callbacks)
{
    vessel.callbacks = callbacks;
    callbacksInOrder_[vessel.details->orderIndex] = callbacks;
}

const std::string* World::className(const std::string& name)
{
    return &*classNames_.insert(name).first;
}

double World::altitude(const VesselRecord& vessel) const
{
    const Body* planet = bodyByIndex(0);
    if (!planet)
        return 0.0;
    return length(vessel.pos - planet->pos) - planet->radius;
}

/* The planet moves without accelerating, so the vessels move relative to
 * it as about a fixed centre; without gravity, relative to the origin. */
void World::integrate(const std::vector<OBJHANDLE>& vessels, double dt, SurfaceContact* ground)
{
    const Body* planet = gravity ? bodyByIndex(0) : nullptr;
    VECTOR3 origin = planet ? planet->pos : VECTOR3{0, 0, 0};
    VECTOR3 drift = planet ? planet->vel : VECTOR3{0, 0, 0};
    StepIntegration step = PrepareStep(planet ? planet->gm : 0.0, dt);
    newStates_.clear();
    newTurns_.clear();
    integratedDt_ = dt;
    for (OBJHANDLE h : vessels) {
        VesselRecord* v = vessels_.find(h);
        if (!v)
            continue;
        if (ground)
            ground->note(h, *v);
        VECTOR3 total = v->force;
        if (v->hasThrusters)
            total = total + mul(v->rot, Burn(*v, dt));
        v->force = {0, 0, 0};
        if (v->status == 1)
            continue;  // landed vessels stay where they are
        Motion end = Integrate(step, {v->pos - origin, v->vel - drift, v->keptAccel}, total * (1.0 / v->mass));
        v->keptAccel = end.keptAccel;
        newStates_.push_back({h, origin + drift * dt + end.pos, drift + end.vel});
        if (v->angularVel.x != 0.0 || v->angularVel.y != 0.0 || v->angularVel.z != 0.0)
            newTurns_.push_back({h, mul(v->rot, RotationFromAngularStep(v->angularVel, dt))});
    }
}

void World::applyIntegration()
{
    for (const NewState& s : newStates_)
        if (VesselRecord* v = vessels_.find(s.handle)) {
            v->pos = s.pos;
            v->vel = s.vel;
        }
    for (const NewTurn& t : newTurns_)
        if (VesselRecord* v = vessels_.find(t.handle))
            v->rot = t.rot;
    newStates_.clear();
    newTurns_.clear();
    for (OBJHANDLE h : bodyOrder_) {
        Body* b = bodies_.find(h);
        b->pos = b->pos + b->vel * integratedDt_;
    }
    simt += integratedDt_;
    integratedDt_ = 0.0;
}

void World::seedAcceleration(VesselRecord& vessel) const
{
    const Body* planet = gravity ? bodyByIndex(0) : nullptr;
    vessel.keptAccel = planet ? GravityAt(vessel.pos - planet->pos, planet->gm) : VECTOR3{0, 0, 0};
}

}  // namespace emu
