#include "roid.h"

Roid::Roid(OBJHANDLE hVessel, int flightModel) : VESSEL2(hVessel, flightModel), health(100.0)
{
}
