/* The one header through which a module reaches its host. */
#ifndef BRIMSTAR_SDK_ORBITERSDK_H
#define BRIMSTAR_SDK_ORBITERSDK_H

#include "MFDAPI.h"
#include "OrbiterAPI.h"
#include "VesselAPI.h"
#include "windows_subset.h"

#endif
