#include "spawn_vessel.h"

#include "vector_math.h"

#include <cstring>

bool SpawnVessel(const char* name, const char* className, const VECTOR3& gpos, const VECTOR3& gvel)
{
    // Every byte zero first: the host reads fields the module never sets.
    VesselStateEx state;
    std::memset(&state, 0, sizeof state);
    state.version = 2;
    state.rbody = oapiGetGbodyByIndex(0);
    VECTOR3 bodyPos{}, bodyVel{};
    oapiGetGlobalPos(state.rbody, &bodyPos);
    state.rpos = VecSub(gpos, bodyPos);
    oapiGetGlobalVel(state.rbody, &bodyVel);
    state.rvel = VecSub(gvel, bodyVel);
    return oapiCreateVesselEx(name, className, &state) != nullptr;
}
