/* The host functions on an object's size, mass and orientation. A body's
 * size is its radius and its mass follows from its GM. */
#include "emulator/host/api/host_call.h"

using namespace emu;

namespace {

const double gravitationalConstant = 6.67430e-11;  // m^3 / (kg s^2)

}  // namespace

double oapiGetSize(OBJHANDLE object)
{
    Host* host = EnterHost("oapiGetSize");
    if (!host || !host->liveObject(object, "oapiGetSize"))
        return 0.0;
    if (VesselRecord* v = host->world().vessel(object))
        return v->size;
    Body* b = host->world().body(object);
    return b ? b->radius : 0.0;
}

double oapiGetMass(OBJHANDLE object)
{
    Host* host = EnterHost("oapiGetMass");
    if (!host || !host->liveObject(object, "oapiGetMass"))
        return 0.0;
    if (VesselRecord* v = host->world().vessel(object))
        return v->mass;
    Body* b = host->world().body(object);
    return b ? b->gm / gravitationalConstant : 0.0;
}

double oapiGetEmptyMass(OBJHANDLE object)
{
    Host* host = EnterHost("oapiGetEmptyMass");
    VesselRecord* v = host ? host->liveVessel(object, "oapiGetEmptyMass") : nullptr;
    return v ? v->details->emptyMass : 0.0;
}

void oapiGetRotationMatrix(OBJHANDLE object, MATRIX3* mat)
{
    Host* host = EnterHost("oapiGetRotationMatrix");
    if (!mat)
        return;
    *mat = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    if (!host || !host->liveObject(object, "oapiGetRotationMatrix"))
        return;
    if (VesselRecord* v = host->world().vessel(object))
        *mat = v->rot;
    else if (Body* b = host->world().body(object))
        *mat = b->orientationAt(host->world().simt);
}
