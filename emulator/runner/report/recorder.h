/* Records a run for its flight report: watches the host and the flight log
 * and keeps, as plain data, what the page draws. Tracks are thinned as they
 * come, so memory and the page stay small for a long run. */
#ifndef BRIMSTAR_RUNNER_REPORT_RECORDER_H
#define BRIMSTAR_RUNNER_REPORT_RECORDER_H

#include "flight_record.h"
#include "track_thinner.h"

#include "emulator/host/host.h"
#include "emulator/runner/flight_log.h"
#include "emulator/runner/scenario_script.h"

#include <chrono>
#include <map>
#include <set>
#include <utility>

namespace report {

class Recorder : public emu::HostObserver, public runner::LogListener {
public:
    Recorder(emu::Host& host, const runner::Script& script);

    void vesselCreated(const emu::VesselRecord& v) override;
    void vesselDeleted(const emu::VesselRecord& v) override;
    void messageBox(const emu::MessageBoxRecord& box) override;
    void debugLineChanged(const std::string& line) override;
    void inputBoxOpened(const std::string& title) override;
    void forceAdded(const emu::VesselRecord& target, const VECTOR3& force, const emu::VesselRecord* source) override;
    void forcesIntegrated() override;
    void runEnded() override;

    void noted(const std::string& text) override;
    void screenShown(const std::string& name, const emu::Screen& screen, const emu::Display& display) override;
    void runFinished(const runner::RunEnding& ending) override;

    /* The record of the run so far, every open bucket closed. */
    const FlightRecord& finish();

private:
    struct Live {
        int index;
        TrackThinner thinner;
        VECTOR3 force{0, 0, 0};
    };
    struct Push {
        int pair;
        double distance;
    };

    void event(EventKind kind, int subject, const std::string& text);
    void flushAll();
    void findContacts();
    void recordPushes();

    emu::Host& host_;
    FlightRecord record_;
    double bucket_;
    std::chrono::steady_clock::time_point started_;
    std::map<OBJHANDLE, Live> live_;
    OBJHANDLE lastFocus_ = nullptr;
    double lastStep_ = 0;  // the time the last step ended
    std::map<std::pair<int, int>, int> pairs_;  // (bomb, target) to its push series, -1 when left out
    std::vector<Push> stepPushes_;
    std::set<std::pair<OBJHANDLE, OBJHANDLE>> touching_;
};

/* The comment lines a scenario file opens with, without their "#". */
std::string LeadingComment(const std::string& path);

}  // namespace report

#endif
