/* A rock: a passive body that loses health with every reported collision. */
#ifndef BRIMSTAR_ROCKS_ROID_H
#define BRIMSTAR_ROCKS_ROID_H

#include "Orbitersdk.h"

class Roid : public VESSEL2 {
public:
    Roid(OBJHANDLE hVessel, int flightModel);

    double health;
};

#endif
