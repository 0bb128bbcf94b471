/* The interface between the module and the separately installed collision
 * library: the shapes of its seven exports and of the collision callback.
 * Both sides include this header, so neither can drift from the other.
 */
#ifndef BRIMSTAR_HOST_COLLISION_API_H
#define BRIMSTAR_HOST_COLLISION_API_H

#include "host/host_api.h"

/* The platform's standard convention for exported functions. */
#if defined(_WIN32)
#define COLLAPI __stdcall
#else
#define COLLAPI
#endif

/* Called on the host's thread with the context registered alongside it. */
typedef void (*CollideCallback)(void* context);

typedef void(COLLAPI* InitIntFn)(void** serviceTable);
typedef void(COLLAPI* MainCallFn)(double simt, double simdt, int phase);
typedef void(COLLAPI* DrMfdFn)(HDC hDC, int width, int height);
typedef void(COLLAPI* MfdEvFn)(int event);
typedef void(COLLAPI* StatFn)(FILEHANDLE scn);
typedef void(COLLAPI* SetOnCollideFn)(OBJHANDLE vessel, void* context, CollideCallback callback);

/* Phases of maincall. */
const int COLLISION_PHASE_PRE = 0;
const int COLLISION_PHASE_POST = 1;

/* Events of mfdev. */
const int COLLISION_EVENT_HALT = 0;
const int COLLISION_EVENT_PAGE = 1;
const int COLLISION_EVENT_PREVIOUS = 2;
const int COLLISION_EVENT_NEXT = 3;
const int COLLISION_EVENT_ENTER = 4;

/* Indexes of the host service table. An index is part of the interface:
 * the collision library finds every service by it. Indexes not named here
 * hold null. */
enum ServiceIndex {
    SVC_SvcDebugPrint = 0,
    SVC_oapiGetSize = 1,
    SVC_oapiGetMass = 2,
    SVC_oapiGetObjectName = 3,
    SVC_oapiGetHeading = 4,
    SVC_oapiGetFocusHeading = 5,
    SVC_oapiGetAltitude = 6,
    SVC_oapiGetFocusAltitude = 7,
    SVC_oapiGetTimeAcceleration = 8,
    SVC_oapiGetEquPos = 9,
    SVC_oapiGetFocusEquPos = 10,
    SVC_oapiCameraAperture = 11,
    SVC_oapiCameraGlobalPos = 12,
    SVC_oapiCameraGlobalDir = 13,
    SVC_oapiCameraTarget = 14,
    SVC_oapiGetGbodyByIndex = 15,
    SVC_oapiGetGbodyByName = 16,
    SVC_oapiGetGlobalPos = 17,
    SVC_oapiGetGlobalVel = 18,
    SVC_oapiGetObjectCount = 19,
    SVC_oapiGetObjectByIndex = 20,
    SVC_oapiGetPlanetAtmConstants = 21,
    SVC_oapiGetObjectType = 24,
    SVC_oapiGetFocusObject = 25,
    SVC_oapiGetBaseCount = 26,
    SVC_oapiGetBaseByIndex = 27,
    SVC_oapiGetSimTime = 28,
    SVC_oapiGetSimMJD = 29,
    SVC_oapiCameraMode = 31,
    SVC_oapiGetRotationMatrix = 32,
    SVC_oapiPlanetHasAtmosphere = 34,
    SVC_oapiGetVesselInterface = 36,
    SVC_oapiGetFocusInterface = 37,
    SVC_oapiDeleteMesh = 38,
    SVC_oapiMeshGroupCount = 39,
    SVC_oapiCameraInternal = 42,
    SVC_oapiCockpitMode = 43,
    SVC_oapiGetTextureHandle = 44,
    SVC_oapiWriteScenario_string = 45,
    SVC_oapiReadScenario_nextline = 46,
    SVC_oapiGetDC = 47,
    SVC_oapiReleaseDC = 48,
    SVC_oapiSetFocusObject = 49,
    SVC_oapiGetObjectByName = 50,
    SVC_oapiGetEmptyMass = 51,
    SVC_oapiSetTimeAcceleration = 52,
    SVC_oapiGetVesselCount = 53,
    SVC_oapiGetVesselByIndex = 54,
    SVC_oapiDeleteVessel = 55,
    SVC_SvcCreateVesselInFlight = 61,
    SVC_SvcCreateVesselLanded = 62,
    SVC_SvcGetClassName = 63,
    SVC_SvcPlanetAxesLocal = 64,
    SVC_SvcGlobalAxesLocal = 65,
    SVC_SvcGlobal2Local = 66,
    SVC_SvcLocal2Global = 67,
    SVC_SvcGetSurfaceRef = 68,
    SVC_SvcGetPeDist = 69,
    SVC_SvcGetApDist = 70,
    SVC_SvcAddForce = 71,
    SVC_SvcSetFlightStatus = 72,
    SVC_SvcGetHorizonAirspeedVector = 73,
    SVC_SvcGetPitch = 74,
    SVC_SvcGetBank = 75,
    SVC_SvcGetAOA = 76,
    SVC_SvcGetStatusValue = 77,
    SVC_SvcSetThrusterGroupLevelByType = 78,
    SVC_SvcGetThrusterGroupLevelByType = 79,
    SVC_SvcSetThrusterGroupLevel = 80,
    SVC_SvcGetThrusterGroupLevel = 81,
    SVC_SvcSetControlSurfaceLevel = 82,
    SVC_SvcGetControlSurfaceLevel = 83,
    SVC_SvcSetADCtrlMode = 84,
    SVC_SvcGetOrientation = 85,
    SVC_SvcGetStateAngularVel = 86,
    SVC_SvcGetTouchdownPoints = 87,
    SVC_SvcSetTouchdownPoints = 88,
    SVC_SvcGetWheelbrakeLevel = 89,
    SVC_SvcGetShipAirspeedVector = 90,
    SVC_SvcGetAngularVel = 91,
    SVC_SvcGetPMI = 92,
    SVC_SvcGetFlightStatus = 93,
    SVC_SvcAddPosition = 94,
    SVC_SvcAddOrientation = 95,
    SVC_SvcAddVelocity = 96,
    SVC_SvcAddAngularVel = 97,
    SVC_SvcSetSize = 98,
    SVC_SvcGetAirspeed = 99,
    SVC_oapiMeshMaterial = 103,
    SVC_oapiCreateAnnotation = 104,
    SVC_oapiDelAnnotation = 105,
    SVC_oapiAnnotationSetPos = 106,
    SVC_oapiAnnotationSetText = 107,
    SVC_oapiGetShipAirspeedVector = 108,
    SVC_oapiGetFocusAirspeed = 109,
    SVC_oapiGetFocusShipAirspeedVector = 110,
    SVC_oapiCameraTargetDist = 111,
    SVC_oapiCameraScaleDist = 112,
    SVC_SvcGetCOG_elev = 116,
    SVC_SvcPlanetAxesGlobal = 117,
    SVC_oapiCreateTextureSurface = 120,
    SVC_oapiGetPause = 121,
    SVC_oapiSaveScenario = 122,
    SVC_oapiIsVessel = 124,
};

/* Number of entries in the host service table. */
const int SERVICE_TABLE_SIZE = 125;

#endif
