/* The table the collision library finds its services in: every index holds
 * exactly its entry. The expected table is written out by index number, so a
 * drift of the shared index names shows too. */
#include "collision/class_name_service.h"
#include "collision/creation_services.h"
#include "collision/debug_print.h"
#include "collision/planet_axes.h"
#include "collision/service_table.h"
#include "collision/state_adjusters.h"
#include "collision/state_services.h"
#include "collision/vessel_commands.h"
#include "collision/vessel_queries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

template <typename Fn>
void* Address(Fn* function)
{
    return reinterpret_cast<void*>(function);
}

const std::map<int, void*> hostEntries = {
    {1, Address(oapiGetSize)},
    {2, Address(oapiGetMass)},
    {3, Address(oapiGetObjectName)},
    {4, Address(oapiGetHeading)},
    {5, Address(oapiGetFocusHeading)},
    {6, Address<BOOL(OBJHANDLE, double*)>(oapiGetAltitude)},
    {7, Address(oapiGetFocusAltitude)},
    {8, Address(oapiGetTimeAcceleration)},
    {9, Address(oapiGetEquPos)},
    {10, Address(oapiGetFocusEquPos)},
    {11, Address(oapiCameraAperture)},
    {12, Address(oapiCameraGlobalPos)},
    {13, Address(oapiCameraGlobalDir)},
    {14, Address(oapiCameraTarget)},
    {15, Address(oapiGetGbodyByIndex)},
    {16, Address(oapiGetGbodyByName)},
    {17, Address(oapiGetGlobalPos)},
    {18, Address(oapiGetGlobalVel)},
    {19, Address(oapiGetObjectCount)},
    {20, Address(oapiGetObjectByIndex)},
    {21, Address(oapiGetPlanetAtmConstants)},
    {24, Address(oapiGetObjectType)},
    {25, Address(oapiGetFocusObject)},
    {26, Address(oapiGetBaseCount)},
    {27, Address(oapiGetBaseByIndex)},
    {28, Address(oapiGetSimTime)},
    {29, Address(oapiGetSimMJD)},
    {31, Address(oapiCameraMode)},
    {32, Address(oapiGetRotationMatrix)},
    {34, Address(oapiPlanetHasAtmosphere)},
    {36, Address(oapiGetVesselInterface)},
    {37, Address(oapiGetFocusInterface)},
    {38, Address(oapiDeleteMesh)},
    {39, Address(oapiMeshGroupCount)},
    {42, Address(oapiCameraInternal)},
    {43, Address(oapiCockpitMode)},
    {44, Address(oapiGetTextureHandle)},
    {45, Address(oapiWriteScenario_string)},
    {46, Address(oapiReadScenario_nextline)},
    {47, Address(oapiGetDC)},
    {48, Address(oapiReleaseDC)},
    {49, Address(oapiSetFocusObject)},
    {50, Address(oapiGetObjectByName)},
    {51, Address(oapiGetEmptyMass)},
    {52, Address(oapiSetTimeAcceleration)},
    {53, Address(oapiGetVesselCount)},
    {54, Address(oapiGetVesselByIndex)},
    {55, Address(oapiDeleteVessel)},
    {103, Address<MATERIAL*(MESHHANDLE, DWORD)>(oapiMeshMaterial)},
    {104, Address(oapiCreateAnnotation)},
    {105, Address(oapiDelAnnotation)},
    {106, Address(oapiAnnotationSetPos)},
    {107, Address(oapiAnnotationSetText)},
    {108, Address(oapiGetShipAirspeedVector)},
    {109, Address(oapiGetFocusAirspeed)},
    {110, Address(oapiGetFocusShipAirspeedVector)},
    {111, Address(oapiCameraTargetDist)},
    {112, Address(oapiCameraScaleDist)},
    {120, Address(oapiCreateTextureSurface)},
    {121, Address(oapiGetPause)},
    {122, Address(oapiSaveScenario)},
    {124, Address(oapiIsVessel)},
};

const std::map<int, void*> moduleEntries = {
    {0, Address(SvcDebugPrint)},
    {61, Address(SvcCreateVesselInFlight)},
    {62, Address(SvcCreateVesselLanded)},
    {63, Address(SvcGetClassName)},
    {64, Address(SvcPlanetAxesLocal)},
    {65, Address(SvcGlobalAxesLocal)},
    {66, Address(SvcGlobal2Local)},
    {67, Address(SvcLocal2Global)},
    {68, Address(SvcGetSurfaceRef)},
    {69, Address(SvcGetPeDist)},
    {70, Address(SvcGetApDist)},
    {71, Address(SvcAddForce)},
    {72, Address(SvcSetFlightStatus)},
    {73, Address(SvcGetHorizonAirspeedVector)},
    {74, Address(SvcGetPitch)},
    {75, Address(SvcGetBank)},
    {76, Address(SvcGetAOA)},
    {77, Address(SvcGetStatusValue)},
    {78, Address(SvcSetThrusterGroupLevelByType)},
    {79, Address(SvcGetThrusterGroupLevelByType)},
    {80, Address(SvcSetThrusterGroupLevel)},
    {81, Address(SvcGetThrusterGroupLevel)},
    {82, Address(SvcSetControlSurfaceLevel)},
    {83, Address(SvcGetControlSurfaceLevel)},
    {84, Address(SvcSetADCtrlMode)},
    {85, Address(SvcGetOrientation)},
    {86, Address(SvcGetStateAngularVel)},
    {87, Address(SvcGetTouchdownPoints)},
    {88, Address(SvcSetTouchdownPoints)},
    {89, Address(SvcGetWheelbrakeLevel)},
    {90, Address(SvcGetShipAirspeedVector)},
    {91, Address(SvcGetAngularVel)},
    {92, Address(SvcGetPMI)},
    {93, Address(SvcGetFlightStatus)},
    {94, Address(SvcAddPosition)},
    {95, Address(SvcAddOrientation)},
    {96, Address(SvcAddVelocity)},
    {97, Address(SvcAddAngularVel)},
    {98, Address(SvcSetSize)},
    {99, Address(SvcGetAirspeed)},
    {116, Address(SvcGetCOG_elev)},
    {117, Address(SvcPlanetAxesGlobal)},
};

}  // namespace

TEST(ServiceTable, EveryIndexHoldsItsHostFunctionItsServiceOrNull)
{
    ASSERT_EQ(SERVICE_TABLE_SIZE, 125);
    std::fill(std::begin(serviceTable), std::end(serviceTable), reinterpret_cast<void*>(1));
    FillServiceTable();

    int nulls = 0;
    for (int index = 0; index < SERVICE_TABLE_SIZE; ++index) {
        void* expected = nullptr;
        if (hostEntries.count(index))
            expected = hostEntries.at(index);
        else if (moduleEntries.count(index))
            expected = moduleEntries.at(index);
        else
            ++nulls;
        EXPECT_EQ(serviceTable[index], expected) << "index " << index;
    }
    EXPECT_EQ(hostEntries.size(), 62u);
    EXPECT_EQ(moduleEntries.size(), 42u);
    EXPECT_EQ(nulls, 21);

    std::set<void*> distinct(std::begin(serviceTable), std::end(serviceTable));
    EXPECT_EQ(distinct.size(), 62u + 42u + 1u) << "no function sits at two indexes";
}
