/* One row per entry of the table, in index order: the host's own functions
 * go in as they are, the module's services are the C functions of this
 * folder, and every index without a row stays null. */
#include "service_table.h"

#include "class_name_service.h"
#include "creation_services.h"
#include "debug_print.h"
#include "planet_axes.h"
#include "state_adjusters.h"
#include "state_services.h"
#include "vessel_commands.h"
#include "vessel_queries.h"

#include <iterator>

void* serviceTable[SERVICE_TABLE_SIZE];

namespace {

struct ServiceRow {
    ServiceIndex index;
    void* address;
};

template <typename Fn>
void* Entry(Fn* function)
{
    return reinterpret_cast<void*>(function);
}

}  // namespace

void FillServiceTable()
{
    const ServiceRow rows[] = {
        {SVC_SvcDebugPrint, Entry(SvcDebugPrint)},
        {SVC_oapiGetSize, Entry(oapiGetSize)},
        {SVC_oapiGetMass, Entry(oapiGetMass)},
        {SVC_oapiGetObjectName, Entry(oapiGetObjectName)},
        {SVC_oapiGetHeading, Entry(oapiGetHeading)},
        {SVC_oapiGetFocusHeading, Entry(oapiGetFocusHeading)},
        {SVC_oapiGetAltitude, Entry<BOOL(OBJHANDLE, double*)>(oapiGetAltitude)},
        {SVC_oapiGetFocusAltitude, Entry(oapiGetFocusAltitude)},
        {SVC_oapiGetTimeAcceleration, Entry(oapiGetTimeAcceleration)},
        {SVC_oapiGetEquPos, Entry(oapiGetEquPos)},
        {SVC_oapiGetFocusEquPos, Entry(oapiGetFocusEquPos)},
        {SVC_oapiCameraAperture, Entry(oapiCameraAperture)},
        {SVC_oapiCameraGlobalPos, Entry(oapiCameraGlobalPos)},
        {SVC_oapiCameraGlobalDir, Entry(oapiCameraGlobalDir)},
        {SVC_oapiCameraTarget, Entry(oapiCameraTarget)},
        {SVC_oapiGetGbodyByIndex, Entry(oapiGetGbodyByIndex)},
        {SVC_oapiGetGbodyByName, Entry(oapiGetGbodyByName)},
        {SVC_oapiGetGlobalPos, Entry(oapiGetGlobalPos)},
        {SVC_oapiGetGlobalVel, Entry(oapiGetGlobalVel)},
        {SVC_oapiGetObjectCount, Entry(oapiGetObjectCount)},
        {SVC_oapiGetObjectByIndex, Entry(oapiGetObjectByIndex)},
        {SVC_oapiGetPlanetAtmConstants, Entry(oapiGetPlanetAtmConstants)},
        {SVC_oapiGetObjectType, Entry(oapiGetObjectType)},
        {SVC_oapiGetFocusObject, Entry(oapiGetFocusObject)},
        {SVC_oapiGetBaseCount, Entry(oapiGetBaseCount)},
        {SVC_oapiGetBaseByIndex, Entry(oapiGetBaseByIndex)},
        {SVC_oapiGetSimTime, Entry(oapiGetSimTime)},
        {SVC_oapiGetSimMJD, Entry(oapiGetSimMJD)},
        {SVC_oapiCameraMode, Entry(oapiCameraMode)},
        {SVC_oapiGetRotationMatrix, Entry(oapiGetRotationMatrix)},
        {SVC_oapiPlanetHasAtmosphere, Entry(oapiPlanetHasAtmosphere)},
        {SVC_oapiGetVesselInterface, Entry(oapiGetVesselInterface)},
        {SVC_oapiGetFocusInterface, Entry(oapiGetFocusInterface)},
        {SVC_oapiDeleteMesh, Entry(oapiDeleteMesh)},
        {SVC_oapiMeshGroupCount, Entry(oapiMeshGroupCount)},
        {SVC_oapiCameraInternal, Entry(oapiCameraInternal)},
        {SVC_oapiCockpitMode, Entry(oapiCockpitMode)},
        {SVC_oapiGetTextureHandle, Entry(oapiGetTextureHandle)},
        {SVC_oapiWriteScenario_string, Entry(oapiWriteScenario_string)},
        {SVC_oapiReadScenario_nextline, Entry(oapiReadScenario_nextline)},
        {SVC_oapiGetDC, Entry(oapiGetDC)},
        {SVC_oapiReleaseDC, Entry(oapiReleaseDC)},
        {SVC_oapiSetFocusObject, Entry(oapiSetFocusObject)},
        {SVC_oapiGetObjectByName, Entry(oapiGetObjectByName)},
        {SVC_oapiGetEmptyMass, Entry(oapiGetEmptyMass)},
        {SVC_oapiSetTimeAcceleration, Entry(oapiSetTimeAcceleration)},
        {SVC_oapiGetVesselCount, Entry(oapiGetVesselCount)},
        {SVC_oapiGetVesselByIndex, Entry(oapiGetVesselByIndex)},
        {SVC_oapiDeleteVessel, Entry(oapiDeleteVessel)},
        {SVC_SvcCreateVesselInFlight, Entry(SvcCreateVesselInFlight)},
        {SVC_SvcCreateVesselLanded, Entry(SvcCreateVesselLanded)},
        {SVC_SvcGetClassName, Entry(SvcGetClassName)},
        {SVC_SvcPlanetAxesLocal, Entry(SvcPlanetAxesLocal)},
        {SVC_SvcGlobalAxesLocal, Entry(SvcGlobalAxesLocal)},
        {SVC_SvcGlobal2Local, Entry(SvcGlobal2Local)},
        {SVC_SvcLocal2Global, Entry(SvcLocal2Global)},
        {SVC_SvcGetSurfaceRef, Entry(SvcGetSurfaceRef)},
        {SVC_SvcGetPeDist, Entry(SvcGetPeDist)},
        {SVC_SvcGetApDist, Entry(SvcGetApDist)},
        {SVC_SvcAddForce, Entry(SvcAddForce)},
        {SVC_SvcSetFlightStatus, Entry(SvcSetFlightStatus)},
        {SVC_SvcGetHorizonAirspeedVector, Entry(SvcGetHorizonAirspeedVector)},
        {SVC_SvcGetPitch, Entry(SvcGetPitch)},
        {SVC_SvcGetBank, Entry(SvcGetBank)},
        {SVC_SvcGetAOA, Entry(SvcGetAOA)},
        {SVC_SvcGetStatusValue, Entry(SvcGetStatusValue)},
        {SVC_SvcSetThrusterGroupLevelByType, Entry(SvcSetThrusterGroupLevelByType)},
        {SVC_SvcGetThrusterGroupLevelByType, Entry(SvcGetThrusterGroupLevelByType)},
        {SVC_SvcSetThrusterGroupLevel, Entry(SvcSetThrusterGroupLevel)},
        {SVC_SvcGetThrusterGroupLevel, Entry(SvcGetThrusterGroupLevel)},
        {SVC_SvcSetControlSurfaceLevel, Entry(SvcSetControlSurfaceLevel)},
        {SVC_SvcGetControlSurfaceLevel, Entry(SvcGetControlSurfaceLevel)},
        {SVC_SvcSetADCtrlMode, Entry(SvcSetADCtrlMode)},
        {SVC_SvcGetOrientation, Entry(SvcGetOrientation)},
        {SVC_SvcGetStateAngularVel, Entry(SvcGetStateAngularVel)},
        {SVC_SvcGetTouchdownPoints, Entry(SvcGetTouchdownPoints)},
        {SVC_SvcSetTouchdownPoints, Entry(SvcSetTouchdownPoints)},
        {SVC_SvcGetWheelbrakeLevel, Entry(SvcGetWheelbrakeLevel)},
        {SVC_SvcGetShipAirspeedVector, Entry(SvcGetShipAirspeedVector)},
        {SVC_SvcGetAngularVel, Entry(SvcGetAngularVel)},
        {SVC_SvcGetPMI, Entry(SvcGetPMI)},
        {SVC_SvcGetFlightStatus, Entry(SvcGetFlightStatus)},
        {SVC_SvcAddPosition, Entry(SvcAddPosition)},
        {SVC_SvcAddOrientation, Entry(SvcAddOrientation)},
        {SVC_SvcAddVelocity, Entry(SvcAddVelocity)},
        {SVC_SvcAddAngularVel, Entry(SvcAddAngularVel)},
        {SVC_SvcSetSize, Entry(SvcSetSize)},
        {SVC_SvcGetAirspeed, Entry(SvcGetAirspeed)},
        {SVC_oapiMeshMaterial, Entry<MATERIAL*(MESHHANDLE, DWORD)>(oapiMeshMaterial)},
        {SVC_oapiCreateAnnotation, Entry(oapiCreateAnnotation)},
        {SVC_oapiDelAnnotation, Entry(oapiDelAnnotation)},
        {SVC_oapiAnnotationSetPos, Entry(oapiAnnotationSetPos)},
        {SVC_oapiAnnotationSetText, Entry(oapiAnnotationSetText)},
        {SVC_oapiGetShipAirspeedVector, Entry(oapiGetShipAirspeedVector)},
        {SVC_oapiGetFocusAirspeed, Entry(oapiGetFocusAirspeed)},
        {SVC_oapiGetFocusShipAirspeedVector, Entry(oapiGetFocusShipAirspeedVector)},
        {SVC_oapiCameraTargetDist, Entry(oapiCameraTargetDist)},
        {SVC_oapiCameraScaleDist, Entry(oapiCameraScaleDist)},
        {SVC_SvcGetCOG_elev, Entry(SvcGetCOG_elev)},
        {SVC_SvcPlanetAxesGlobal, Entry(SvcPlanetAxesGlobal)},
        {SVC_oapiCreateTextureSurface, Entry(oapiCreateTextureSurface)},
        {SVC_oapiGetPause, Entry(oapiGetPause)},
        {SVC_oapiSaveScenario, Entry(oapiSaveScenario)},
        {SVC_oapiIsVessel, Entry(oapiIsVessel)},
    };

    // One pass over the slots; a row out of index order would be left out,
    // which the table's test catches.
    const ServiceRow* row = std::begin(rows);
    for (int index = 0; index < SERVICE_TABLE_SIZE; ++index) {
        bool rowHere = row != std::end(rows) && row->index == index;
        serviceTable[index] = rowHere ? (row++)->address : nullptr;
    }
}
