#include "nuke.h"

Nuke::Nuke(OBJHANDLE hVessel, int flightModel) : VESSEL2(hVessel, flightModel)
{
}
