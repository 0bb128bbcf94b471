/* Each query starts its answer at zero and lets the host write it; where the
 * host also reports a handle or a success flag, that is dropped, so a
 * vessel without an orbit or an atmosphere is answered with zero. */
#include "vessel_queries.h"

namespace {

/* The value the host method writes into its last argument; zero for no
 * vessel. Whatever the method itself returns is dropped. */
template <typename T, typename Method, typename... Args>
T Written(VESSEL* vessel, Method method, const Args&... args)
{
    T value{};
    if (vessel)
        (vessel->*method)(args..., value);
    return value;
}

}  // namespace

extern "C" VECTOR3 SvcGlobal2Local(VESSEL* vessel, VECTOR3 global)
{
    return Written<VECTOR3>(vessel, &VESSEL::Global2Local, global);
}

extern "C" VECTOR3 SvcLocal2Global(VESSEL* vessel, VECTOR3 local)
{
    return Written<VECTOR3>(vessel, &VESSEL::Local2Global, local);
}

extern "C" OBJHANDLE SvcGetSurfaceRef(VESSEL* vessel)
{
    return vessel ? vessel->GetSurfaceRef() : nullptr;
}

extern "C" double SvcGetPeDist(VESSEL* vessel)
{
    return Written<double>(vessel, &VESSEL::GetPeDist);
}

extern "C" double SvcGetApDist(VESSEL* vessel)
{
    return Written<double>(vessel, &VESSEL::GetApDist);
}

extern "C" VECTOR3 SvcGetHorizonAirspeedVector(VESSEL* vessel)
{
    return Written<VECTOR3>(vessel, &VESSEL::GetHorizonAirspeedVector);
}

extern "C" double SvcGetPitch(VESSEL* vessel)
{
    return vessel ? vessel->GetPitch() : 0.0;
}

extern "C" double SvcGetBank(VESSEL* vessel)
{
    return vessel ? vessel->GetBank() : 0.0;
}

extern "C" double SvcGetAOA(VESSEL* vessel)
{
    return vessel ? vessel->GetAOA() : 0.0;
}

extern "C" double SvcGetThrusterGroupLevelByType(VESSEL* vessel, THGROUP_TYPE type)
{
    return vessel ? vessel->GetThrusterGroupLevel(type) : 0.0;
}

extern "C" double SvcGetThrusterGroupLevel(VESSEL* vessel, THGROUP_HANDLE group)
{
    return vessel ? vessel->GetThrusterGroupLevel(group) : 0.0;
}

extern "C" double SvcGetControlSurfaceLevel(VESSEL* vessel, AIRCTRL_TYPE type)
{
    return vessel ? vessel->GetControlSurfaceLevel(type) : 0.0;
}

extern "C" void SvcGetTouchdownPoints(VESSEL* vessel, VECTOR3* pt1, VECTOR3* pt2, VECTOR3* pt3)
{
    if (!vessel)
        return;
    VECTOR3 points[3];
    vessel->GetTouchdownPoints(points[0], points[1], points[2]);
    VECTOR3* targets[] = {pt1, pt2, pt3};
    for (int i = 0; i < 3; ++i)
        if (targets[i])
            *targets[i] = points[i];
}

extern "C" double SvcGetWheelbrakeLevel(VESSEL* vessel, int which)
{
    return vessel ? vessel->GetWheelbrakeLevel(which) : 0.0;
}

extern "C" VECTOR3 SvcGetShipAirspeedVector(VESSEL* vessel)
{
    return Written<VECTOR3>(vessel, &VESSEL::GetShipAirspeedVector);
}

extern "C" VECTOR3 SvcGetAngularVel(VESSEL* vessel)
{
    return Written<VECTOR3>(vessel, &VESSEL::GetAngularVel);
}

extern "C" VECTOR3 SvcGetPMI(VESSEL* vessel)
{
    return Written<VECTOR3>(vessel, &VESSEL::GetPMI);
}

extern "C" double SvcGetAirspeed(VESSEL* vessel)
{
    return vessel ? vessel->GetAirspeed() : 0.0;
}

extern "C" double SvcGetCOG_elev(VESSEL* vessel)
{
    return vessel ? vessel->GetCOG_elev() : 0.0;
}
