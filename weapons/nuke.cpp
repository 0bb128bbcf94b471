#include "nuke.h"

#include "class_files.h"
#include "host/own_deletion.h"
#include "host/plain_body.h"
#include "host/vector_math.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

const double joulesPerKiloton = 4.184e12;
const int nameSize = 256;

/* A fresh weapon slot's settings, for what a name does not give. */
const double defaultDelay = 10.0;
const double defaultDuration = 3.0;
const double defaultPowerKt = 0.0;

const char* const exemptClass = "DynamicPlanet";

}  // namespace

Nuke::Nuke(OBJHANDLE hVessel, int flightModel) : OwnVessel(hVessel, flightModel)
{
    // The host's length is the buffer's size: a name of 255 characters
    // arrives whole. The last byte stays zero whatever the host does.
    char name[nameSize] = {};
    oapiGetObjectName(hVessel, name, nameSize);
    name[nameSize - 1] = '\0';
    // A scenario can hold any name beginning with "nuke"; what it does not
    // give takes a fresh slot's setting. What it gives is used as given, not
    // finite too: a delay of inf never runs out. Only the forces are guarded.
    double values[3] = {defaultDelay, defaultDuration, defaultPowerKt};
    std::sscanf(name, "Nuke/%lf/%lf/%lf", &values[0], &values[1], &values[2]);
    delay = values[0];
    duration = values[1];
    double powerKt = values[2];
    flightTime = 0.0;
    blastRadius = 200000.0;
    exhaustSize = powerKt + 100.0;
    power = powerKt * joulesPerKiloton;
}

void Nuke::clbkSetClassCaps(FILEHANDLE)
{
    DeclarePlainBody(*this, 2.0, 1000.0);
    propellant = CreatePropellantResource(10.0, -1.0, 1.0);
    thruster = CreateThruster(_V(0, 0, 0), _V(0, 0, 1), 10.0, propellant, 1e10, 0.0, 101400.0);
    thrusterGroup = CreateThrusterGroup(&thruster, 1, THGROUP_MAIN);
    AddExhaust(thruster, exhaustSize, exhaustSize, nullptr);
    SetReentryTexture(nullptr, 6e7, 1.0, 1.0);
    WriteNukeMesh(1.0f, 0.0f, 0.0f);
    mesh = oapiLoadMeshGlobal("nuke");
    SetMeshVisibilityMode(AddMesh(mesh, nullptr), 3);
}

void Nuke::clbkSaveState(FILEHANDLE scn)
{
    VESSEL2::clbkSaveState(scn);
}

void Nuke::clbkLoadStateEx(FILEHANDLE scn, void* status)
{
    char* line;
    while (oapiReadScenario_nextline(scn, line))
        ParseScenarioLineEx(line, status);
}

void Nuke::clbkPreStep(double, double simdt, double)
{
    double elapsed = flightTime;
    flightTime += simdt;

    if (delay < 0) {
        double altitude = GetAltitude();
        std::snprintf(oapiDebugString(), OAPI_DEBUG_STRING_SIZE, "Nuke: A=%.2f D=%.2f", altitude,
                      altitude + delay);
        if (altitude < -delay)
            delay = elapsed;  // the trigger height is passed: the delay runs out now
    }
    if (delay < 0)
        return;

    if (elapsed >= delay && power != 0)
        Blast(elapsed);

    if (elapsed - delay >= duration) {
        SetThrusterGroupLevel(thrusterGroup, 0.0);
        // A spent bomb that is the last vessel waits for company.
        RequestOwnDeletion(GetHandle());  // the last thing this object does
    }
}

void Nuke::Blast(double elapsed)
{
    VECTOR3 bombPos;
    GetGlobalPos(bombPos);
    // A zero duration opens and closes the window in one step: no level.
    double level = duration != 0 ? 1 - (elapsed - delay) / duration : 0.0;
    SetThrusterGroupLevel(thrusterGroup, level);
    const OBJHANDLE self = GetHandle();
    DWORD count = oapiGetVesselCount();
    for (DWORD i = 0; i < count; ++i) {
        OBJHANDLE handle = oapiGetVesselByIndex(int(i));
        VESSEL* v = oapiGetVesselInterface(handle);
        if (!v)
            continue;
        VECTOR3 pos, local;
        v->GetGlobalPos(pos);
        double d = VecLength(VecSub(pos, bombPos));
        v->Global2Local(bombPos, local);
        VECTOR3 away = VecSub(_V(0, 0, 0), VecUnit(local));
        const char* className = v->GetClassName();
        bool exempt = className && std::strcmp(className, exemptClass) == 0;
        if (!(d < blastRadius) || handle == self || !(elapsed - delay < duration) || exempt)
            continue;
        double magnitude = power / Square(d) * level;
        // A vessel at the bomb's own point has no direction and no finite force.
        if (d == 0.0 || !std::isfinite(magnitude))
            continue;
        v->AddForce(VecScale(away, magnitude), _V(0, 0, 0));
        if (v == oapiGetFocusInterface())
            std::snprintf(oapiDebugString(), OAPI_DEBUG_STRING_SIZE, "Nuke: pow=%.2f dst=%.2f", level, d);
    }
}
