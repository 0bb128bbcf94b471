/* The bomb: a vessel of class nuke whose settings travel in its name. It
 * waits for its delay (or, with a negative delay, to fall below that many
 * metres), then for its blast's duration pushes every other vessel within
 * 200 km away with power / distance^2, fading linearly, and deletes itself.
 * It counts its time from the lengths of the steps it lives, not from the
 * clock, which a time jump sets anywhere, backwards too. Nothing of its own
 * is saved: loaded again, it counts anew from its first step. */
#ifndef BRIMSTAR_WEAPONS_NUKE_H
#define BRIMSTAR_WEAPONS_NUKE_H

#include "host/own_vessel.h"

class Nuke : public OwnVessel {
public:
    Nuke(OBJHANDLE hVessel, int flightModel);

    void clbkSetClassCaps(FILEHANDLE cfg) override;
    void clbkSaveState(FILEHANDLE scn) override;
    void clbkLoadStateEx(FILEHANDLE scn, void* status) override;
    void clbkPreStep(double simt, double simdt, double mjd) override;

    PROPELLANT_HANDLE propellant = nullptr;
    THRUSTER_HANDLE thruster = nullptr;
    THGROUP_HANDLE thrusterGroup = nullptr;
    MESHHANDLE mesh = nullptr;
    double flightTime;   // s: the lengths of the steps it lived before this one
    double delay;        // s; while negative, the trigger altitude in m
    double blastRadius;  // m
    double power;        // J
    double duration;     // s
    double exhaustSize;  // m

private:
    /* Sets the level of the blast and pushes every other vessel in range. */
    void Blast(double elapsed);
};

#endif
