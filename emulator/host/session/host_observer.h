/* What a watcher of the emulated host is told: the runner prints it as the
 * flight log. Every notice is optional. */
#ifndef BRIMSTAR_EMULATOR_HOST_HOST_OBSERVER_H
#define BRIMSTAR_EMULATOR_HOST_HOST_OBSERVER_H

#include "emulator/host/world/surface_contact.h"
#include "emulator/host/world/vessel_record.h"

#include <string>
#include <vector>

namespace emu {

struct MessageBoxRecord {
    std::string caption;
    std::string text;
};

class HostObserver {
public:
    virtual ~HostObserver() = default;
    virtual void vesselCreated(const VesselRecord&) {}
    virtual void vesselDeleted(const VesselRecord&) {}
    virtual void messageBox(const MessageBoxRecord&) {}
    virtual void debugLineChanged(const std::string&) {}
    virtual void inputBoxOpened(const std::string& /*title*/) {}
    /* A force, in the global frame, added to the target during a step; the
     * source is the vessel whose callback added it, or null. */
    virtual void forceAdded(const VesselRecord& /*target*/, const VECTOR3& /*force*/, const VesselRecord* /*source*/) {}
    /* A vessel met the ground during the step and now rests on it; told
     * before forcesIntegrated. */
    virtual void touchedDown(const VesselRecord& /*vessel*/, const Touchdown& /*where*/) {}
    /* After a step's new states took effect, past the post-steps, before
     * the deletions. */
    virtual void forcesIntegrated() {}
    /* The host's time jump moved the world's clock from one reading to
     * another, backwards too; nothing moved. */
    virtual void timeJumped(double /*from*/, double /*to*/) {}
    /* A scenario file was written whole: its lines, and the vessels in it
     * are the world's, in the world's order. */
    virtual void scenarioSaved(const std::vector<std::string>& /*lines*/) {}
    /* A scenario file was read and found sound, and its session is about
     * to replace this one: its lines as read. */
    virtual void scenarioLoading(const std::vector<std::string>& /*lines*/) {}
    /* A session ends: what goes now goes with it, not by any act of its
     * own. Told before the first deletion. */
    virtual void sessionEnding() {}
    /* A new session is in place, its vessels made and its clock set. */
    virtual void sessionStarted() {}
    /* What the real host would not survive, as "call: why"; the run ends. */
    virtual void fault(const std::string& /*what*/) {}
    /* The run ended: no more steps, nothing saved. */
    virtual void runEnded() {}
};

}  // namespace emu

#endif
