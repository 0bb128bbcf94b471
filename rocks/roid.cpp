#include "roid.h"

#include "host/attached_lifetime.h"
#include "host/collision_module.h"
#include "host/own_deletion.h"
#include "host/plain_body.h"
#include "host/vector_math.h"

#include <cstdio>
#include <unordered_map>

namespace {

const double fullHealth = 100.0;
const double damagePerHit = 10.0;
const double maxRange = 800.0;  // m from the vessel in focus

/* Zero names no rock. Counted for as long as the module is loaded, never
 * reset: even at a rock in every step, a 32-bit count would take years of
 * flight to come round. */
std::uintptr_t lastSerial = 0;

/* By serial number */
Attached<std::unordered_map<std::uintptr_t, Roid*>> liveRocks;

}  // namespace

Roid::Roid(OBJHANDLE hVessel, int flightModel)
    : OwnVessel(hVessel, flightModel), health(fullHealth), serial(++lastSerial)
{
    (*liveRocks)[serial] = this;
}

Roid::~Roid()
{
    liveRocks->erase(serial);
}

void* Roid::CollisionContext() const
{
    return reinterpret_cast<void*>(serial);
}

Roid* Roid::FromCollisionContext(const void* context)
{
    auto found = liveRocks->find(reinterpret_cast<std::uintptr_t>(context));
    return found == liveRocks->end() ? nullptr : found->second;
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
        collisionModule.VSSetOnCollide(GetHandle(), CollisionContext(), RockCollideCallback);
}

void RockCollideCallback(void* context)
{
    if (Roid* rock = Roid::FromCollisionContext(context))
        rock->OnHit();
}
