#include "roid.h"

#include "host/attached_lifetime.h"
#include "host/collision_module.h"
#include "host/own_deletion.h"
#include "host/plain_body.h"
#include "host/vector_math.h"

#include <cstdio>
#include <unordered_set>

namespace {

const double fullHealth = 100.0;
const double damagePerHit = 10.0;
const double maxRange = 800.0;  // m from the vessel in focus

Attached<std::unordered_set<const void*>> liveRocks;

}  // namespace

Roid::Roid(OBJHANDLE hVessel, int flightModel) : OwnVessel(hVessel, flightModel), health(fullHealth)
{
    liveRocks->insert(this);
}

Roid::~Roid()
{
    liveRocks->erase(this);
}

bool Roid::IsLive(const void* rock)
{
    return liveRocks->count(rock) != 0;
}

void Roid::clbkSetClassCaps(FILEHANDLE)
{
    DeclarePlainBody(*this, 10.0, 11000.0);
    MESHHANDLE mesh = oapiLoadMeshGlobal("roid");
    SetMeshVisibilityMode(AddMesh(mesh, nullptr), 3);
}

void Roid::clbkPostCreation()
{
    RegisterForCollisions();
}

void Roid::clbkPreStep(double, double, double)
{
    RegisterForCollisions();
    bool destroyed = health < 0.0;
    bool leftBehind = false;
    // Without a vessel in focus there is no field to leave.
    if (VESSEL* focus = oapiGetFocusInterface()) {
        VECTOR3 focusPos, ownPos;
        focus->GetGlobalPos(focusPos);
        GetGlobalPos(ownPos);
        // A distance that is no number (a focus flown off to infinity) is
        // out of range too, or the field would grow without end.
        leftBehind = !(VecLength(VecSub(focusPos, ownPos)) <= maxRange);
    }
    if (destroyed || leftBehind)
        RequestOwnDeletion(GetHandle());
}

void Roid::OnHit()
{
    std::snprintf(oapiDebugString(), OAPI_DEBUG_STRING_SIZE, "Hits: %f %%", health);
    health -= damagePerHit;
}

void Roid::RegisterForCollisions()
{
    if (collisionModule.VSSetOnCollide)
        collisionModule.VSSetOnCollide(GetHandle(), this, RockCollideCallback);
}

void RockCollideCallback(void* context)
{
    if (Roid::IsLive(context))
        static_cast<Roid*>(context)->OnHit();
}
