/* The emulated host's world: celestial bodies, vessels in creation order, the
 * focus, the simulation clock, and the integration of forces. */
#ifndef BRIMSTAR_EMULATOR_HOST_WORLD_H
#define BRIMSTAR_EMULATOR_HOST_WORLD_H

#include "emulator/host/world/body.h"
#include "emulator/host/world/handle_table.h"
#include "emulator/host/world/vessel_record.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace emu {

class World {
public:
    World();

    OBJHANDLE addBody(const Body& body);
    Body* body(const void* handle) const { return bodies_.find(handle); }
    Body* bodyByIndex(int index) const;
    Body* bodyByName(const char* name) const;
    int bodyCount() const { return int(bodyOrder_.size()); }
    void clearBodies();

    OBJHANDLE addVessel(std::unique_ptr<VesselRecord> vessel);
    VesselRecord* vessel(const void* handle) const { return vessels_.find(handle); }
    /* The first vessel of that name in creation order, or null. */
    VesselRecord* vesselByName(const char* name) const;
    std::unique_ptr<VesselRecord> removeVessel(OBJHANDLE handle);
    const std::vector<OBJHANDLE>& vessels() const { return vesselOrder_; }

    /* Height above body 0's surface, or 0 without a body. */
    double altitude(const VesselRecord& vessel) const;

    /* One step of semi-implicit Euler for the given vessels: the forces added
     * during the step, thrust, and the gravity of body 0 when switched on. */
    void integrate(const std::vector<OBJHANDLE>& vessels, double dt);

    /* The date of the current simulation time, as a modified Julian date */
    double mjd() const { return mjdAtZero + simt / 86400.0; }

    OBJHANDLE focus = nullptr;
    double simt = 0.0;
    double mjdAtZero = 51544.5;
    bool gravity = false;

private:
    HandleTable<Body> bodies_;
    std::vector<OBJHANDLE> bodyOrder_;
    HandleTable<VesselRecord> vessels_;
    std::vector<OBJHANDLE> vesselOrder_;
    /* Every vessel of a name, in creation order: names may repeat. */
    std::unordered_map<std::string, std::vector<OBJHANDLE>> vesselsByName_;
};

}  // namespace emu

#endif
