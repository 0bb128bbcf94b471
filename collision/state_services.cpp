#include "state_services.h"

#include "vessel_state.h"

#include <cstddef>
#include <cstring>

namespace {

template <typename T>
T StateField(VESSEL* vessel, T VesselStateEx::*field)
{
    if (!vessel)
        return T{};
    VesselStateEx state;
    ReadState(*vessel, state);
    return state.*field;
}

}  // namespace

extern "C" int SvcGetFlightStatus(VESSEL* vessel)
{
    return StateField(vessel, &VesselStateEx::status);
}

extern "C" void SvcSetFlightStatus(VESSEL* vessel, int status)
{
    if (!vessel)
        return;
    VesselStateEx state;
    ReadState(*vessel, state);
    state.status = status;
    vessel->DefSetStateEx(&state);
}

extern "C" VECTOR3 SvcGetOrientation(VESSEL* vessel)
{
    return StateField(vessel, &VesselStateEx::arot);
}

extern "C" VECTOR3 SvcGetStateAngularVel(VESSEL* vessel)
{
    return StateField(vessel, &VesselStateEx::vrot);
}

extern "C" double SvcGetStatusValue(VESSEL* vessel, int index)
{
    // Wide enough that no int index overflows on its way to a byte offset.
    long long offset = (long long)offsetof(VESSELSTATUS, vrot) + (long long)sizeof(double) * index;
    if (!vessel || offset < 0 || offset + (long long)sizeof(double) > (long long)sizeof(VESSELSTATUS))
        return 0.0;
    VESSELSTATUS status;
    vessel->GetStatus(status);
    double value;
    std::memcpy(&value, reinterpret_cast<const char*>(&status) + offset, sizeof value);
    return value;
}
