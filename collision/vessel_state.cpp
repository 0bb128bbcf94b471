#include "vessel_state.h"

#include <cstring>

void ReadState(const VESSEL& vessel, VesselStateEx& state)
{
    std::memset(&state, 0, sizeof state);
    state.version = stateRecordVersion;
    vessel.GetStatusEx(&state);
}
