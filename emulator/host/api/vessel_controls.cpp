/* VESSEL's aerodynamic controls, brakes and touchdown geometry. The
 * emulated host keeps the levels and modes but flies no aerodynamics. */
#include "emulator/host/motion/frame_math.h"
#include "emulator/host/api/vessel_call.h"

#include <algorithm>
#include <cmath>

using namespace emu;

namespace {

bool IsSurface(AIRCTRL_TYPE type)
{
    return type >= AIRCTRL_ELEVATOR && type <= AIRCTRL_RUDDERTRIM;
}

}  // namespace

void VESSEL::SetControlSurfaceLevel(AIRCTRL_TYPE type, double level) const
{
    VesselRecord* v = EnterVessel(hVessel_, "SetControlSurfaceLevel", int(type), level);
    if (v && IsSurface(type) && !std::isnan(level))
        v->details->controlSurfaces[type] = std::clamp(level, -1.0, 1.0);
}

double VESSEL::GetControlSurfaceLevel(AIRCTRL_TYPE type) const
{
    VesselRecord* v = EnterVessel(hVessel_, "GetControlSurfaceLevel", int(type));
    return v && IsSurface(type) ? v->details->controlSurfaces[type] : 0.0;
}

void VESSEL::SetADCtrlMode(DWORD mode) const
{
    if (VesselRecord* v = EnterVessel(hVessel_, "SetADCtrlMode", mode))
        v->details->adCtrlMode = mode;
}

double VESSEL::GetWheelbrakeLevel(int which) const
{
    VesselRecord* v = EnterVessel(hVessel_, "GetWheelbrakeLevel", which);
    if (!v || which < 0 || which > 2)
        return 0.0;
    return which == 0 ? (v->details->wheelbrakes[0] + v->details->wheelbrakes[1]) / 2 : v->details->wheelbrakes[which - 1];
}

double VESSEL::GetCOG_elev() const
{
    VesselRecord* v = EnterVessel(hVessel_, "GetCOG_elev");
    if (!v)
        return 0.0;
    // The distance of the vessel's origin from the plane of its touchdown points.
    VECTOR3 normal = cross(v->details->touchdown[1] - v->details->touchdown[0], v->details->touchdown[2] - v->details->touchdown[0]);
    double n = length(normal);
    return n > 0.0 ? std::fabs(dot(normal, v->details->touchdown[0])) / n : 0.0;
}
