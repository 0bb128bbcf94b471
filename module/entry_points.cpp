/* The plug-in's entry points: start-up and shut-down in their fixed order,
 * and the forwarding of every step and scenario to the Parts that act. */
#include "host/host_api.h"

#include "collision/collision_mfd.h"
#include "collision/service_table.h"
#include "host/collision_module.h"
#include "host/stay_loaded.h"
#include "rocks/rock_spawner.h"
#include "weapons/class_files.h"
#include "weapons/nuke_launch.h"
#include "weapons/weapon_slots.h"
#include "weapons/weapons_mfd.h"

namespace {

const char* const modulePath = "plugin\\brimstar!";
const char* const versionDate = "Apr 25 2006";

const double startVelocity = 100.0;
const double startPowerKt = 0.0;

int collisionModeId;
int weaponsModeId;
int versionCache;
double lastStepTime;  // s: the simulation time of the last pre-step

int RegisterMode(const char* name, DWORD key, MFDMSGPROC msgproc)
{
    MFDMODESPEC mode{HostText(name), key, msgproc};
    return oapiRegisterMFDMode(mode);
}

}  // namespace

DLLCLBK void InitModule(HINSTANCE)
{
    collisionModeId = RegisterMode("Collision Control", 0x2F, CollisionMFDMsgProc);
    weaponsModeId = RegisterMode("Weapons", 0x11, WeaponsMFDMsgProc);
    InitWeaponSlots(startVelocity, startPowerKt);
    WriteNukeClassFile(modulePath);
    WriteRoidClassFile(modulePath);
    FillServiceTable();
    LoadCollisionModule(serviceTable);
    if (!collisionModule.handle)
        return;
    LookUpCollisionEntryPoints();
}

DLLCLBK void ExitModule(HINSTANCE)
{
    oapiUnregisterMFDMode(collisionModeId);
    oapiUnregisterMFDMode(weaponsModeId);
    ReleaseCollisionModule();
}

DLLCLBK void opcPreStep(double simt, double simdt, double)
{
    NotePluginCall();
    // Each session starts its clock at 0, and the module stays loaded from
    // one to the next; within a session a time jump sets the clock anywhere,
    // below 0 too. A clock that went back restarts the timers from now, or
    // they would wait for it to come back to where they last fired.
    if (simt < lastStepTime) {
        RestartWeaponSequences(simt);
        RestartRockSpawner(simt);
    }
    lastStepTime = simt;
    WeaponSequenceStep(simt);
    RockSpawnerStep(simt);
    if (collisionModule.maincall)
        collisionModule.maincall(simt, simdt, COLLISION_PHASE_PRE);
}

DLLCLBK void opcPostStep(double simt, double simdt, double)
{
    NotePluginCall();
    if (collisionModule.maincall)
        collisionModule.maincall(simt, simdt, COLLISION_PHASE_POST);
}

DLLCLBK void opcSaveState(FILEHANDLE scn)
{
    NotePluginCall();
    if (collisionModule.stats)
        collisionModule.stats(scn);
}

DLLCLBK void opcLoadState(FILEHANDLE scn)
{
    NotePluginCall();
    if (collisionModule.statl)
        collisionModule.statl(scn);
}

/* The host reuses a deleted vessel's handle for a later vessel, which must
 * not inherit the settings, or the sequence, of a weapon slot. */
DLLCLBK void opcDeleteVessel(OBJHANDLE hVessel)
{
    NotePluginCall();
    ReleaseWeaponSlot(hVessel);
}

/* The session ends: no handle of it names anything in the next. */
DLLCLBK void opcCloseRenderViewport()
{
    NotePluginCall();
    InitWeaponSlots(startVelocity, startPowerKt);
}

DLLCLBK int GetModuleVersion()
{
    if (versionCache == 0)
        versionCache = Date2Int(HostText(versionDate));
    return versionCache;
}
