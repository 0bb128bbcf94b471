/* The base of the module's vessel classes.
 *
 * The host's VESSEL has no virtual function and VESSEL2 declares no
 * destructor, so a VESSEL pointer is not the object's address and deleting
 * through it would free the wrong memory and run no destructor. This base adds
 * the virtual destructor, and keeps every object the module made from its
 * construction to its destruction, so the vessel exit destroys exactly
 * those: the host also hands back plain vessels of its own. */
#ifndef BRIMSTAR_HOST_OWN_VESSEL_H
#define BRIMSTAR_HOST_OWN_VESSEL_H

#include "host/host_api.h"

// VESSEL2's public, non-virtual destructor is the host's, and the hazard
// this class is here to contain; the warning about it is answered here.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif
class OwnVessel : public VESSEL2 {
public:
    OwnVessel(OBJHANDLE hVessel, int flightModel);
    virtual ~OwnVessel();
    OwnVessel(const OwnVessel&) = delete;
    OwnVessel& operator=(const OwnVessel&) = delete;

    /* The module's object whose VESSEL part this is, or null for any other. */
    static OwnVessel* Find(const VESSEL* vessel);
};
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

#endif
