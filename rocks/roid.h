/* A rock: a passive body that loses 10 of its 100 health with every
 * collision the collision library reports for it, and removes itself once
 * its health is below zero or it is more than 800 m from the vessel in
 * focus. Its health is not saved: a loaded rock starts whole. */
#ifndef BRIMSTAR_ROCKS_ROID_H
#define BRIMSTAR_ROCKS_ROID_H

#include "host/own_vessel.h"

class Roid : public OwnVessel {
public:
    Roid(OBJHANDLE hVessel, int flightModel);
    ~Roid() override;

    void clbkSetClassCaps(FILEHANDLE cfg) override;
    void clbkPostCreation() override;
    void clbkPreStep(double simt, double simdt, double mjd) override;
    virtual void OnHit();

    /* True while the rock exists: the collision library may hold a
     * registration longer than the rock it names. */
    static bool IsLive(const void* rock);

    double health;

private:
    void RegisterForCollisions();
};

/* The collision callback: the context is the rock that registered it. */
void RockCollideCallback(void* context);

#endif
