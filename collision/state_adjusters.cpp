#include "state_adjusters.h"

#include "host/vector_math.h"
#include "vessel_state.h"

namespace {

enum class WhenLanded { Write, Keep };

void AddToState(VESSEL* vessel, VECTOR3 VesselStateEx::*target, const VECTOR3& offset, WhenLanded landed)
{
    if (!vessel)
        return;
    VesselStateEx state;
    ReadState(*vessel, state);
    state.*target = VecAdd(state.*target, offset);
    if (offset.x == 0.0 && offset.y == 0.0 && offset.z == 0.0)
        return;
    if (landed == WhenLanded::Keep && state.status == flightStatusLanded)
        return;
    vessel->DefSetStateEx(&state);
}

}  // namespace

extern "C" void SvcAddPosition(VESSEL* vessel, VECTOR3 offset)
{
    // A landed vessel stays where it stands.
    AddToState(vessel, &VesselStateEx::rpos, offset, WhenLanded::Keep);
}

extern "C" void SvcAddOrientation(VESSEL* vessel, VECTOR3 offset)
{
    AddToState(vessel, &VesselStateEx::arot, offset, WhenLanded::Write);
}

extern "C" void SvcAddVelocity(VESSEL* vessel, VECTOR3 offset)
{
    AddToState(vessel, &VesselStateEx::rvel, offset, WhenLanded::Write);
}

extern "C" void SvcAddAngularVel(VESSEL* vessel, VECTOR3 offset)
{
    AddToState(vessel, &VesselStateEx::vrot, offset, WhenLanded::Write);
}
