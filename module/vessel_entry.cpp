/* The vessel module's entry points. The vessel's name alone decides its
 * class: bombs are named "Nuke/...", everything else is a rock. */
#include "host/host_api.h"

#include "host/own_vessel.h"
#include "host/stay_loaded.h"
#include "rocks/roid.h"
#include "weapons/nuke.h"

#include <cctype>
#include <new>

namespace {

const int nameBufferSize = 256;

bool IsNukeName(const char* name)
{
    const char prefix[] = "nuke";
    for (int i = 0; i < 4; ++i)
        if (std::tolower(static_cast<unsigned char>(name[i])) != prefix[i])
            return false;  // also stops at the terminating zero of a short name
    return true;
}

}  // namespace

DLLCLBK VESSEL* ovcInit(OBJHANDLE hVessel, int flightModel)
{
    char name[nameBufferSize] = {};
    oapiGetObjectName(hVessel, name, nameBufferSize);  // the host's length is the buffer's size
    name[nameBufferSize - 1] = '\0';
    if (IsNukeName(name))
        return new (std::nothrow) Nuke(hVessel, flightModel);
    return new (std::nothrow) Roid(hVessel, flightModel);
}

DLLCLBK void ovcExit(VESSEL* vessel)
{
    // A plain vessel the host made itself, when ovcInit gave none, comes
    // back here too: it is the host's to delete, and is not found.
    delete OwnVessel::Find(vessel);
    StayLoadedIfHeld();
}
