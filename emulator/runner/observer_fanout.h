/* Several watchers of one emulated host: each notice goes to all of them,
 * in the order they were added. */
#ifndef BRIMSTAR_RUNNER_OBSERVER_FANOUT_H
#define BRIMSTAR_RUNNER_OBSERVER_FANOUT_H

#include "emulator/host/host_observer.h"

#include <vector>

namespace runner {

class ObserverFanout : public emu::HostObserver {
public:
    void add(emu::HostObserver* observer) { observers_.push_back(observer); }

    void vesselCreated(const emu::VesselRecord& v) override
    {
        for (auto* o : observers_)
            o->vesselCreated(v);
    }
    void vesselDeleted(const emu::VesselRecord& v) override
    {
        for (auto* o : observers_)
            o->vesselDeleted(v);
    }
    void messageBox(const emu::MessageBoxRecord& box) override
    {
        for (auto* o : observers_)
            o->messageBox(box);
    }
    void debugLineChanged(const std::string& line) override
    {
        for (auto* o : observers_)
            o->debugLineChanged(line);
    }
    void inputBoxOpened(const std::string& title) override
    {
        for (auto* o : observers_)
            o->inputBoxOpened(title);
    }
    void forceAdded(const emu::VesselRecord& target, const VECTOR3& force, const emu::VesselRecord* source) override
    {
        for (auto* o : observers_)
            o->forceAdded(target, force, source);
    }
    void forcesIntegrated() override
    {
        for (auto* o : observers_)
            o->forcesIntegrated();
    }
    void runEnded() override
    {
        for (auto* o : observers_)
            o->runEnded();
    }

private:
    std::vector<emu::HostObserver*> observers_;
};

}  // namespace runner

#endif
