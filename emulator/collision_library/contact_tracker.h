/* The stand-in collision library's real work: each step it finds the
 * registered vessels whose spheres (the host's size as radius) overlap any
 * other vessel, and calls each registered callback once per new contact, a
 * contact that did not exist in the step before. Every host service comes
 * through the table; a vessel that no longer exists gets no call. */
#ifndef BRIMSTAR_EMULATOR_COLLISION_CONTACT_TRACKER_H
#define BRIMSTAR_EMULATOR_COLLISION_CONTACT_TRACKER_H

#include "host/collision_api.h"
#include "contact_grid.h"
#include "handle_pair_set.h"

#include <unordered_map>
#include <vector>

namespace collision {

/* The host services the tracker uses, as the table gives them. */
struct HostServices {
    decltype(&oapiGetVesselCount) vesselCount;
    decltype(&oapiGetVesselByIndex) vesselByIndex;
    decltype(&oapiGetGlobalPos) globalPos;
    decltype(&oapiGetSize) size;
    decltype(&oapiIsVessel) isVessel;

    /* Null services when the table lacks any of them. */
    static HostServices FromTable(void** table);
    bool complete() const { return vesselCount && vesselByIndex && globalPos && size && isVessel; }
};

class ContactTracker {
public:
    /* Registers the vessel, or renews its registration. */
    void watch(OBJHANDLE vessel, void* context, CollideCallback callback);

    /* One step: forgets vessels that are gone, finds contacts, calls back. */
    void step(const HostServices& host);

    int watched() const { return int(watches_.size()); }
    int contactsThisStep() const { return contactsThisStep_; }
    long totalContacts() const { return totalContacts_; }

private:
    struct Watch {
        void* context;
        CollideCallback callback;
    };
    void gather(const HostServices& host);
    void callBack(const HostServices& host, OBJHANDLE vessel);

    std::unordered_map<OBJHANDLE, Watch> watches_;
    std::vector<Sphere> spheres_;
    std::vector<OBJHANDLE> handles_;
    HandlePairSet previous_, current_;
    HandlePairSet watched_;  // the registered vessels, for the step's many look-ups
    std::vector<OBJHANDLE> toCall_;
    ContactGrid grid_;
    int contactsThisStep_ = 0;
    long totalContacts_ = 0;
};

}  // namespace collision

#endif
