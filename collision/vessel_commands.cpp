#include "vessel_commands.h"

extern "C" void SvcAddForce(VESSEL* vessel, VECTOR3 force, VECTOR3 point)
{
    if (vessel)
        vessel->AddForce(force, point);
}

extern "C" void SvcSetThrusterGroupLevelByType(VESSEL* vessel, THGROUP_TYPE type, double level)
{
    if (vessel)
        vessel->SetThrusterGroupLevel(type, level);
}

extern "C" void SvcSetThrusterGroupLevel(VESSEL* vessel, THGROUP_HANDLE group, double level)
{
    if (vessel)
        vessel->SetThrusterGroupLevel(group, level);
}

extern "C" void SvcSetControlSurfaceLevel(VESSEL* vessel, AIRCTRL_TYPE type, double level)
{
    if (vessel)
        vessel->SetControlSurfaceLevel(type, level);
}

extern "C" void SvcSetADCtrlMode(VESSEL* vessel, DWORD mode)
{
    if (vessel)
        vessel->SetADCtrlMode(mode);
}

extern "C" void SvcSetTouchdownPoints(VESSEL* vessel, const VECTOR3* pt1, const VECTOR3* pt2, const VECTOR3* pt3)
{
    if (vessel && pt1 && pt2 && pt3)
        vessel->SetTouchdownPoints(*pt1, *pt2, *pt3);
}

extern "C" void SvcSetSize(VESSEL* vessel, double size)
{
    if (vessel)
        vessel->SetSize(size);
}
