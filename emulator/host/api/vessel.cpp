/* VESSEL: the host's interface to one vessel. Every method finds the vessel
 * by its handle and does nothing (or answers zero) once it is gone. */
#include "emulator/host/motion/frame_math.h"
#include "emulator/host/api/vessel_call.h"
#include "emulator/host/files/vessel_amount.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

using namespace emu;

namespace {

/* Thruster, group and propellant handles count from 1 within their vessel. */
void* IndexHandle(size_t index)
{
    return reinterpret_cast<void*>(index + 1);
}

template <typename T>
T* ByIndexHandle(std::vector<T>& items, const void* handle)
{
    auto index = reinterpret_cast<std::uintptr_t>(handle);
    return index >= 1 && index <= items.size() ? &items[index - 1] : nullptr;
}

Host& TheHost()
{
    return *Host::current();
}

}  // namespace

VESSEL::VESSEL(OBJHANDLE hVessel, int fmodel) : hVessel_(hVessel), flightmodel(short(fmodel)), version(0) {}

OBJHANDLE VESSEL::GetHandle() const
{
    return hVessel_;
}

char* VESSEL::GetName() const
{
    VesselRecord* v = EnterVessel(hVessel_, "GetName");
    return v ? v->details->name.data() : nullptr;
}

char* VESSEL::GetClassName() const
{
    VesselRecord* v = EnterVessel(hVessel_, "GetClassName");
    if (!v)
        return nullptr;
    // The host never answers null: a vessel without a class goes by its name.
    return v->hasClassName ? const_cast<char*>(v->className->c_str()) : v->details->name.data();
}

void VESSEL::GetGlobalPos(VECTOR3& pos) const
{
    VesselRecord* v = EnterVessel(hVessel_, "GetGlobalPos");
    pos = v ? v->pos : VECTOR3{0, 0, 0};
}

void VESSEL::GetGlobalVel(VECTOR3& vel) const
{
    VesselRecord* v = EnterVessel(hVessel_, "GetGlobalVel");
    vel = v ? v->vel : VECTOR3{0, 0, 0};
}

void VESSEL::GlobalRot(const VECTOR3& rloc, VECTOR3& rglob) const
{
    VesselRecord* v = EnterVessel(hVessel_, "GlobalRot", rloc);
    rglob = v ? mul(v->rot, rloc) : rloc;
}

void VESSEL::Global2Local(const VECTOR3& glob, VECTOR3& loc) const
{
    VesselRecord* v = EnterVessel(hVessel_, "Global2Local", glob);
    loc = v ? tmul(v->rot, glob - v->pos) : glob;
}

void VESSEL::Local2Global(const VECTOR3& loc, VECTOR3& glob) const
{
    VesselRecord* v = EnterVessel(hVessel_, "Local2Global", loc);
    glob = v ? mul(v->rot, loc) + v->pos : loc;
}

double VESSEL::GetAltitude() const
{
    VesselRecord* v = EnterVessel(hVessel_, "GetAltitude");
    return v ? TheHost().world().altitude(*v) : 0.0;
}

OBJHANDLE VESSEL::GetSurfaceRef() const
{
    VesselRecord* v = EnterVessel(hVessel_, "GetSurfaceRef");
    Body* planet = v ? TheHost().world().bodyByIndex(0) : nullptr;
    return planet ? planet->handle : nullptr;
}

void VESSEL::GetStatus(VESSELSTATUS& status) const
{
    std::memset(&status, 0, sizeof status);
    VesselRecord* v = EnterVessel(hVessel_, "GetStatus");
    if (!v)
        return;
    Body* planet = TheHost().world().bodyByIndex(0);
    VECTOR3 origin = planet ? planet->pos : VECTOR3{0, 0, 0};
    VECTOR3 drift = planet ? planet->vel : VECTOR3{0, 0, 0};
    status.rpos = v->pos - origin;
    status.rvel = v->vel - drift;
    status.vrot = v->angularVel;
    status.arot = AnglesFromRotation(v->rot);
    status.rbody = planet ? planet->handle : nullptr;
    status.status = v->status;
}

void VESSEL::GetStatusEx(void* status) const
{
    VesselRecord* v = EnterVessel(hVessel_, "GetStatusEx");
    auto* s = static_cast<VESSELSTATUS2*>(status);
    if (!v || !s || s->version != 2)
        return;
    Body* planet = TheHost().world().bodyByIndex(0);
    s->rbody = planet ? planet->handle : nullptr;
    s->base = nullptr;
    s->port = 0;
    s->status = v->status;
    s->rpos = v->pos - (planet ? planet->pos : VECTOR3{0, 0, 0});
    s->rvel = v->vel - (planet ? planet->vel : VECTOR3{0, 0, 0});
    s->vrot = v->angularVel;
    s->arot = AnglesFromRotation(v->rot);
    s->surf_lng = v->details->surfLng;
    s->surf_lat = v->details->surfLat;
    s->surf_hdg = v->details->surfHdg;
    s->nfuel = 0;
    s->fuel = nullptr;
    s->nthruster = 0;
    s->thruster = nullptr;
    s->ndockinfo = 0;
    s->dockinfo = nullptr;
    s->xpdr = 0;
}

void VESSEL::DefSetStateEx(const void* status) const
{
    VesselRecord* v = EnterVessel(hVessel_, "DefSetStateEx");
    const auto* s = static_cast<const VESSELSTATUS2*>(status);
    if (!v || !s)
        return;
    World& world = TheHost().world();
    const Body* body = world.body(s->rbody);
    VECTOR3 origin = body ? body->pos : VECTOR3{0, 0, 0};
    VECTOR3 drift = body ? body->vel : VECTOR3{0, 0, 0};
    v->status = s->status == 1 ? 1 : 0;
    v->details->surfLng = s->surf_lng;
    v->details->surfLat = s->surf_lat;
    v->details->surfHdg = s->surf_hdg;
    v->angularVel = s->vrot;
    v->rot = RotationFromAngles(s->arot);
    if (v->status == 1 && body) {
        // On the ground: on the surface below the given longitude and latitude,
        // at rest on the turning planet.
        VECTOR3 fixed{std::cos(s->surf_lat) * std::cos(s->surf_lng), std::sin(s->surf_lat),
                      std::cos(s->surf_lat) * std::sin(s->surf_lng)};
        v->pos = origin + body->fixedToGlobal(fixed, world.simt) * (body->radius + v->size);
        v->vel = drift;
        world.seedAcceleration(*v);
        return;
    }
    v->pos = origin + s->rpos;
    v->vel = drift + s->rvel;
    world.seedAcceleration(*v);
}

void VESSEL::AddForce(const VECTOR3& F, const VECTOR3& r) const
{
    VesselRecord* v = EnterVessel(hVessel_, "AddForce", F, r);
    if (!v)
        return;
    VECTOR3 global = mul(v->rot, F);
    v->force = v->force + global;
    // Every force of a blast comes here: tell only a watcher that listens.
    Host& host = TheHost();
    if (host.observed())
        host.observer().forceAdded(*v, global, host.actingVessel());
}

PROPELLANT_HANDLE VESSEL::CreatePropellantResource(double maxmass, double mass, double efficiency) const
{
    VesselRecord* v = EnterVessel(hVessel_, "CreatePropellantResource", maxmass, mass, efficiency);
    if (!v)
        return nullptr;
    v->details->propellants.push_back({maxmass, mass < 0.0 ? maxmass : mass, efficiency});
    UpdateMass(*v);
    return IndexHandle(v->details->propellants.size() - 1);
}

THRUSTER_HANDLE VESSEL::CreateThruster(const VECTOR3& pos, const VECTOR3& dir, double maxth0,
                                       PROPELLANT_HANDLE hp, double isp1, double isp2, double pref) const
{
    VesselRecord* v = EnterVessel(hVessel_, "CreateThruster", pos, dir, maxth0, hp, isp1, isp2, pref);
    if (!v)
        return nullptr;
    auto propellant = reinterpret_cast<std::uintptr_t>(hp);
    int index = propellant >= 1 && propellant <= v->details->propellants.size() ? int(propellant - 1) : -1;
    v->details->thrusters.push_back({pos, dir, maxth0, index, isp1, 0.0});
    v->hasThrusters = true;
    return IndexHandle(v->details->thrusters.size() - 1);
}

THGROUP_HANDLE VESSEL::CreateThrusterGroup(THRUSTER_HANDLE* th, int nth, THGROUP_TYPE type) const
{
    VesselRecord* v = EnterVessel(hVessel_, "CreateThrusterGroup", nth, int(type));
    if (!v)
        return nullptr;
    ThrusterGroup group{{}, type, 0.0};
    for (int i = 0; th && i < nth; ++i)
        if (ByIndexHandle(v->details->thrusters, th[i]))
            group.thrusters.push_back(int(reinterpret_cast<std::uintptr_t>(th[i]) - 1));
    v->details->groups.push_back(group);
    return IndexHandle(v->details->groups.size() - 1);
}

namespace {

/* As the host does, the level is kept between 0 and 1; one that is no
 * number leaves the level as it was, as a control surface's does. */
void SetGroupLevel(VesselRecord& v, ThrusterGroup& group, double level)
{
    if (std::isnan(level))
        return;
    level = std::clamp(level, 0.0, 1.0);
    group.level = level;
    for (int t : group.thrusters)
        v.details->thrusters[size_t(t)].level = level;
}

ThrusterGroup* GroupOfType(VesselRecord& v, THGROUP_TYPE type)
{
    for (ThrusterGroup& g : v.details->groups)
        if (g.type == type)
            return &g;
    return nullptr;
}

}  // namespace

void VESSEL::SetThrusterGroupLevel(THGROUP_HANDLE group, double level) const
{
    VesselRecord* v = EnterVessel(hVessel_, "SetThrusterGroupLevel", level);
    if (ThrusterGroup* g = v ? ByIndexHandle(v->details->groups, group) : nullptr)
        SetGroupLevel(*v, *g, level);
}

void VESSEL::SetThrusterGroupLevel(THGROUP_TYPE type, double level) const
{
    VesselRecord* v = EnterVessel(hVessel_, "SetThrusterGroupLevelByType", int(type), level);
    if (ThrusterGroup* g = v ? GroupOfType(*v, type) : nullptr)
        SetGroupLevel(*v, *g, level);
}

double VESSEL::GetThrusterGroupLevel(THGROUP_HANDLE group) const
{
    VesselRecord* v = EnterVessel(hVessel_, "GetThrusterGroupLevel");
    ThrusterGroup* g = v ? ByIndexHandle(v->details->groups, group) : nullptr;
    return g ? g->level : 0.0;
}

double VESSEL::GetThrusterGroupLevel(THGROUP_TYPE type) const
{
    VesselRecord* v = EnterVessel(hVessel_, "GetThrusterGroupLevelByType", int(type));
    ThrusterGroup* g = v ? GroupOfType(*v, type) : nullptr;
    return g ? g->level : 0.0;
}

UINT VESSEL::AddExhaust(THRUSTER_HANDLE th, double lscale, double wscale, SURFHANDLE tex) const
{
    VesselRecord* v = EnterVessel(hVessel_, "AddExhaust", lscale, wscale, tex);
    if (!v || !ByIndexHandle(v->details->thrusters, th))
        return 0;
    v->details->exhausts.push_back({int(reinterpret_cast<std::uintptr_t>(th) - 1), lscale, wscale});
    return UINT(v->details->exhausts.size() - 1);
}

// A size or mass that a class file would refuse leaves the vessel's own.
void VESSEL::SetSize(double size) const
{
    VesselRecord* v = EnterVessel(hVessel_, "SetSize", size);
    if (v && IsVesselAmount(size))
        v->size = size;
}

double VESSEL::GetSize() const
{
    VesselRecord* v = EnterVessel(hVessel_, "GetSize");
    return v ? v->size : 0.0;
}

void VESSEL::SetPMI(const VECTOR3& pmi) const
{
    if (VesselRecord* v = EnterVessel(hVessel_, "SetPMI", pmi))
        v->details->pmi = pmi;
}

void VESSEL::GetPMI(VECTOR3& pmi) const
{
    VesselRecord* v = EnterVessel(hVessel_, "GetPMI");
    pmi = v ? v->details->pmi : VECTOR3{0, 0, 0};
}

void VESSEL::SetEmptyMass(double emass) const
{
    VesselRecord* v = EnterVessel(hVessel_, "SetEmptyMass", emass);
    if (v && IsVesselAmount(emass)) {
        v->details->emptyMass = emass;
        UpdateMass(*v);
    }
}

double VESSEL::GetMass() const
{
    VesselRecord* v = EnterVessel(hVessel_, "GetMass");
    return v ? v->mass : 0.0;
}

void VESSEL::SetCrossSections(const VECTOR3& cs) const
{
    if (VesselRecord* v = EnterVessel(hVessel_, "SetCrossSections", cs))
        v->details->crossSections = cs;
}

void VESSEL::SetRotDrag(const VECTOR3& rd) const
{
    if (VesselRecord* v = EnterVessel(hVessel_, "SetRotDrag", rd))
        v->details->rotDrag = rd;
}

void VESSEL::SetSurfaceFrictionCoeff(double mu_lng, double mu_lat) const
{
    if (VesselRecord* v = EnterVessel(hVessel_, "SetSurfaceFrictionCoeff", mu_lng, mu_lat)) {
        v->details->frictionLng = mu_lng;
        v->details->frictionLat = mu_lat;
    }
}

void VESSEL::SetCameraOffset(const VECTOR3& co) const
{
    if (VesselRecord* v = EnterVessel(hVessel_, "SetCameraOffset", co))
        v->details->cameraOffset = co;
}

void VESSEL::SetTouchdownPoints(const VECTOR3& pt1, const VECTOR3& pt2, const VECTOR3& pt3) const
{
    if (VesselRecord* v = EnterVessel(hVessel_, "SetTouchdownPoints", pt1, pt2, pt3)) {
        v->details->touchdown[0] = pt1;
        v->details->touchdown[1] = pt2;
        v->details->touchdown[2] = pt3;
        World& world = TheHost().world();
        for (const VECTOR3& point : {pt1, pt2, pt3})
            world.touchdownReach = std::max(world.touchdownReach, length(point));
    }
}

void VESSEL::GetTouchdownPoints(VECTOR3& pt1, VECTOR3& pt2, VECTOR3& pt3) const
{
    VesselRecord* v = EnterVessel(hVessel_, "GetTouchdownPoints");
    VECTOR3 zero{0, 0, 0};
    pt1 = v ? v->details->touchdown[0] : zero;
    pt2 = v ? v->details->touchdown[1] : zero;
    pt3 = v ? v->details->touchdown[2] : zero;
}

void VESSEL::SetReentryTexture(SURFHANDLE tex, double plimit, double lscale, double wscale) const
{
    EnterVessel(hVessel_, "SetReentryTexture", tex, plimit, lscale, wscale);
}

UINT VESSEL::AddMesh(MESHHANDLE mesh, const VECTOR3* ofs) const
{
    VesselRecord* v = EnterVessel(hVessel_, "AddMesh", ofs ? *ofs : VECTOR3{0, 0, 0});
    if (!v)
        return 0;
    v->details->meshes.push_back(TheHost().meshes().name(mesh));
    v->details->meshVisibility.push_back(0);
    return UINT(v->details->meshes.size() - 1);
}

void VESSEL::SetMeshVisibilityMode(UINT idx, WORD mode) const
{
    VesselRecord* v = EnterVessel(hVessel_, "SetMeshVisibilityMode", idx, mode);
    if (!v || idx >= v->details->meshVisibility.size())
        return;
    v->details->meshVisibility[idx] = mode;
}
