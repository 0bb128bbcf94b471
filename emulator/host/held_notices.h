/* What a watcher is told while a load builds its world beside the old one:
 * held back, and passed on only once the load has succeeded, so that a
 * refused load leaves no trace in a log or a report of the vessels it made
 * and undid, nor of the clock it moved and put back. */
#ifndef BRIMSTAR_EMULATOR_HOST_HELD_NOTICES_H
#define BRIMSTAR_EMULATOR_HOST_HELD_NOTICES_H

#include "emulator/host/session/host_observer.h"
#include "emulator/host/world/world.h"

#include <functional>
#include <vector>

namespace emu {

class HeldNotices : public HostObserver {
public:
    HeldNotices(World& world, HostObserver& watcher) : world_(world), watcher_(watcher) {}

    void vesselCreated(const VesselRecord& v) override;
    void vesselDeleted(const VesselRecord& v) override;
    void messageBox(const MessageBoxRecord& box) override;
    void debugLineChanged(const std::string& line) override;
    void inputBoxOpened(const std::string& title) override;
    /* The run's end is told at once: it happened, whatever the load does. */
    void runEnded() override { watcher_.runEnded(); }

    /* Tells the watcher what was held, in order. */
    void release();

private:
    World& world_;
    HostObserver& watcher_;
    std::vector<std::function<void(HostObserver&)>> held_;
};

}  // namespace emu

#endif
