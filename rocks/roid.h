/* A rock: a passive body that loses 10 of its 100 health with every
 * collision the collision library reports for it, and removes itself once
 * its health is below zero or it is more than 800 m from the vessel in
 * focus. Its health is not saved: a loaded rock starts whole. */
#ifndef BRIMSTAR_ROCKS_ROID_H
#define BRIMSTAR_ROCKS_ROID_H

#include "host/own_vessel.h"

#include <cstdint>

class Roid : public OwnVessel {
public:
    Roid(OBJHANDLE hVessel, int flightModel);
    ~Roid() override;

    void clbkSetClassCaps(FILEHANDLE cfg) override;
    void clbkPostCreation() override;
    void clbkPreStep(double simt, double simdt, double mjd) override;
    virtual void OnHit();

    /* What the rock hands the collision library as its callback's context:
     * a serial number no other rock gets while the module is loaded. The
     * host reuses a deleted vessel's handle, and the heap its object's
     * address, for later vessels, and the library may keep a registration
     * longer than the rock it names: such a registration must reach no rock. */
    void* CollisionContext() const;

    /* The live rock a collision context names, or null. */
    static Roid* FromCollisionContext(const void* context);

    double health;

private:
    void RegisterForCollisions();

    std::uintptr_t serial;
};

/* The collision callback: the context names the rock that registered it. */
void RockCollideCallback(void* context);

#endif
