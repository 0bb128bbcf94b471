/* The bomb: a vessel of class nuke whose settings travel in its name. */
#ifndef BRIMSTAR_WEAPONS_NUKE_H
#define BRIMSTAR_WEAPONS_NUKE_H

#include "Orbitersdk.h"

class Nuke : public VESSEL2 {
public:
    Nuke(OBJHANDLE hVessel, int flightModel);
};

#endif
