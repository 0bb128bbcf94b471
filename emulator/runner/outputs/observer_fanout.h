/* Several watchers of one emulated host: each notice goes to all of them,
 * in the order they were added. */
#ifndef BRIMSTAR_RUNNER_OBSERVER_FANOUT_H
#define BRIMSTAR_RUNNER_OBSERVER_FANOUT_H

#include "emulator/host/session/host_observer.h"

#include <vector>

namespace runner {

class ObserverFanout : public emu::HostObserver {
public:
    void add(emu::HostObserver* observer) { observers_.push_back(observer); }
    bool empty() const { return observers_.empty(); }

    void vesselCreated(const emu::VesselRecord& v) override { each(&HostObserver::vesselCreated, v); }
    void vesselDeleted(const emu::VesselRecord& v) override { each(&HostObserver::vesselDeleted, v); }
    void messageBox(const emu::MessageBoxRecord& box) override { each(&HostObserver::messageBox, box); }
    void debugLineChanged(const std::string& line) override { each(&HostObserver::debugLineChanged, line); }
    void inputBoxOpened(const std::string& title) override { each(&HostObserver::inputBoxOpened, title); }
    void forceAdded(const emu::VesselRecord& target, const VECTOR3& force, const emu::VesselRecord* source) override
    {
        each(&HostObserver::forceAdded, target, force, source);
    }
    void touchedDown(const emu::VesselRecord& v, const emu::Touchdown& where) override
    {
        each(&HostObserver::touchedDown, v, where);
    }
    void forcesIntegrated() override { each(&HostObserver::forcesIntegrated); }
    void timeJumped(double from, double to) override { each(&HostObserver::timeJumped, from, to); }
    void scenarioSaved(const std::vector<std::string>& lines) override { each(&HostObserver::scenarioSaved, lines); }
    void scenarioLoading(const std::vector<std::string>& lines) override { each(&HostObserver::scenarioLoading, lines); }
    void sessionEnding() override { each(&HostObserver::sessionEnding); }
    void sessionStarted() override { each(&HostObserver::sessionStarted); }
    void fault(const std::string& what) override { each(&HostObserver::fault, what); }
    void runEnded() override { each(&HostObserver::runEnded); }

private:
    template <typename... Params, typename... Args>
    void each(void (HostObserver::*notice)(Params...), const Args&... args)
    {
        for (emu::HostObserver* o : observers_)
            (o->*notice)(args...);
    }

    std::vector<emu::HostObserver*> observers_;
};

}  // namespace runner

#endif
