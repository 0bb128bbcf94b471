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

class SurfaceContact;

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
    /* The first vessel of that name in creation order, in any letter case,
     * or null. */
    VesselRecord* vesselByName(const char* name) const;
    /* O(1): the last vessel in the list moves into the gap, as in the host. */
    std::optional<VesselRecord> removeVessel(OBJHANDLE handle);
    /* The vessels in the host's list order: creation order, but for the
     * moves that closed gaps. */
    const std::vector<OBJHANDLE>& vessels() const { return vesselOrder_; }
    std::size_t vesselCount() const { return vesselOrder_.size(); }
    /* The callbacks of the vessel at a place in the list, or null for a bare
     * vessel: the step calls every vessel's without reading its record. */
    VESSEL2* callbacksAt(std::size_t index) const { return callbacksInOrder_[index]; }
    /* Gives a vessel its callbacks, in its record and in the list's copy. */
    void setCallbacks(VesselRecord& vessel, VESSEL2* callbacks);

    /* The one copy of a class name that every vessel of the class points to,
     * so that a blast comparing class names reads no vessel's own memory. */
    const std::string* className(const std::string& name);

    /* Height above body 0's surface, or 0 without a body. */
    double altitude(const VesselRecord& vessel) const;

    /* Moves the given vessels over the step as the host does (see
     * integration.h): the forces added during the step, thrust, and body 0's
     * gravity when switched on. The new states, and the clock, wait as the
     * host's do for applyIntegration: the post-steps between see the step's
     * start. The ground, when given, notes each vessel before it moves, in
     * the same pass. */
    void integrate(const std::vector<OBJHANDLE>& vessels, double dt, SurfaceContact* ground = nullptr);
    /* The last integration's states take effect: the vessels', the bodies'
     * and the clock's. */
    void applyIntegration();
    /* What a vessel just placed keeps as its last acceleration: gravity alone. */
    void seedAcceleration(VesselRecord& vessel) const;

    /* The date of the current simulation time, as a modified Julian date */
    double mjd() const { return mjdAt(simt); }
    double mjdAt(double worldTime) const { return mjdAtZero + worldTime / 86400.0; }
    /* The session's clock, which modules see: 0 when the session began. */
    double sessionTime() const { return sessionTimeAt(simt); }
    double sessionTimeAt(double worldTime) const { return worldTime - sessionStart; }

    OBJHANDLE focus = nullptr;
    double simt = 0.0;  // the world's own clock, which turns the planets
    double sessionStart = 0.0;
    double mjdAtZero = 51544.5;
    bool gravity = false;
    /* The farthest any vessel's touchdown point has lain from its centre,
     * m: no vessel rests higher above the ground. It only grows. */
    double touchdownReach = 0.0;

private:
    HandleTable<Body> bodies_;
    std::vector<OBJHANDLE> bodyOrder_;

    HandleTable<VesselRecord> vessels_;
    std::vector<OBJHANDLE> vesselOrder_;
    std::vector<VESSEL2*> callbacksInOrder_;  // beside vesselOrder_, place for place
    std::uint64_t nextSerial_ = 0;
    /* Every vessel of a name in lower case, by creation order: names may
     * repeat, and the host finds them in any letter case. */
    std::unordered_map<std::string, std::map<std::uint64_t, OBJHANDLE>> vesselsByName_;
    std::unordered_set<std::string> classNames_;

    /* A vessel's state at the end of the step being taken, and apart, as
     * few vessels spin, the orientation of one that does. */
    struct NewState {
        OBJHANDLE handle;
        VECTOR3 pos;
        VECTOR3 vel;
    };
    struct NewTurn {
        OBJHANDLE handle;
        MATRIX3 rot;
    };
    std::vector<NewState> newStates_;
    std::vector<NewTurn> newTurns_;
    double integratedDt_ = 0.0;
};

}  // namespace emu

#endif
