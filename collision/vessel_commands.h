/* Services that pass a command for one vessel, by its interface pointer,
 * on to the host. A null vessel is ignored. */
#ifndef BRIMSTAR_COLLISION_VESSEL_COMMANDS_H
#define BRIMSTAR_COLLISION_VESSEL_COMMANDS_H

#include "host/host_api.h"

extern "C" {
void SvcAddForce(VESSEL* vessel, VECTOR3 force, VECTOR3 point);
void SvcSetThrusterGroupLevelByType(VESSEL* vessel, THGROUP_TYPE type, double level);
void SvcSetThrusterGroupLevel(VESSEL* vessel, THGROUP_HANDLE group, double level);
void SvcSetControlSurfaceLevel(VESSEL* vessel, AIRCTRL_TYPE type, double level);
void SvcSetADCtrlMode(VESSEL* vessel, DWORD mode);
/* Ignored unless all three addresses are given. */
void SvcSetTouchdownPoints(VESSEL* vessel, const VECTOR3* pt1, const VECTOR3* pt2, const VECTOR3* pt3);
void SvcSetSize(VESSEL* vessel, double size);
}

#endif
