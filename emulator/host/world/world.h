/* The emulated host's world: celestial bodies, vessels in creation order, the
 * focus, the simulation clock, and the integration of forces. */
#ifndef BRIMSTAR_EMULATOR_HOST_WORLD_H
#define BRIMSTAR_EMULATOR_HOST_WORLD_H

#include "emulator/host/world/body.h"
#include "emulator/host/world/handle_table.h"
#include "emulator/host/world/vessel_record.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
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

    /* The new vessel's handle, or null when the world has no room for it. */
    OBJHANDLE addVessel(VesselRecord vessel);
    VesselRecord* vessel(const void* handle) const { return vessels_.find(handle); }
    /* The first vessel of that name in creation order, or null. */
    VesselRecord* vesselByName(const char* name) const;
    /* O(1): the order closes the gap when next read. */
    std::optional<VesselRecord> removeVessel(OBJHANDLE handle);
    /* The vessels in creation order. */
    const std::vector<OBJHANDLE>& vessels() const
    {
        if (gaps_)
            closeGaps();
        return vesselOrder_;
    }
    std::size_t vesselCount() const { return vesselOrder_.size() - gaps_; }
    /* The first vessel in creation order, or null, without closing the
     * order's gaps: the focus moves to it each time the focus goes. */
    OBJHANDLE firstVessel() const;

    /* The one copy of a class name that every vessel of the class points to,
     * so that a blast comparing class names reads no vessel's own memory. */
    const std::string* className(const std::string& name);

    /* Height above body 0's surface, or 0 without a body. */
    double altitude(const VesselRecord& vessel) const;

    /* One step of semi-implicit Euler for the given vessels: the forces added
     * during the step, thrust, and the gravity of body 0 when switched on. */
    void integrate(const std::vector<OBJHANDLE>& vessels, double dt);

    /* The date of the current simulation time, as a modified Julian date */
    double mjd() const { return mjdAtZero + simt / 86400.0; }
    /* The session's clock, which modules see: 0 when the session began. */
    double sessionTime() const { return simt - sessionStart; }

    OBJHANDLE focus = nullptr;
    double simt = 0.0;  // the world's own clock, which turns the planets
    double sessionStart = 0.0;
    double mjdAtZero = 51544.5;
    bool gravity = false;

private:
    HandleTable<Body> bodies_;
    std::vector<OBJHANDLE> bodyOrder_;
    void closeGaps() const;

    HandleTable<VesselRecord> vessels_;
    // Removal leaves a null in the order; the next read closes every gap in
    // one pass, so removing many vessels costs one pass, not one each.
    mutable std::vector<OBJHANDLE> vesselOrder_;
    mutable std::size_t gaps_ = 0;
    mutable std::size_t head_ = 0;  // nothing but gaps before it
    std::uint64_t nextSerial_ = 0;
    /* Every vessel of a name, by creation order: names may repeat. */
    std::unordered_map<std::string, std::map<std::uint64_t, OBJHANDLE>> vesselsByName_;
    std::unordered_set<std::string> classNames_;
};

}  // namespace emu

#endif
