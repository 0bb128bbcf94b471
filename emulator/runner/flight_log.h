/* The runner's flight log: one line per event, stamped with the simulation
 * time, as a person reads it. */
#ifndef BRIMSTAR_RUNNER_FLIGHT_LOG_H
#define BRIMSTAR_RUNNER_FLIGHT_LOG_H

#include "emulator/host/host.h"

#include <ostream>
#include <unordered_map>
#include <vector>

namespace runner {

class FlightLog : public emu::HostObserver {
public:
    FlightLog(emu::Host& host, std::ostream& out) : host_(host), out_(out) {}

    void vesselCreated(const emu::VesselRecord& v) override;
    void vesselDeleted(const emu::VesselRecord& v) override;
    void messageBox(const emu::MessageBoxRecord& box) override;
    void debugLineChanged(const std::string& line) override;
    void inputBoxOpened(const std::string& title) override;
    void forceAdded(const emu::VesselRecord& target, const VECTOR3& force, const emu::VesselRecord* source) override;
    /* Prints the step's forces, one line per vessel that pushed. */
    void forcesIntegrated() override;
    void runEnded() override;

    /* A line of the runner's own */
    void note(const std::string& text);
    /* Something asked for that did not happen: logged, and the run's exit
     * status will say so. */
    void failure(const std::string& text);
    bool failed() const { return failures_ > 0; }
    /* A display's screen, drawn as a text box */
    void screen(const std::string& name, const emu::Screen& screen, int widthPixels);
    /* The final state: one row per vessel */
    void stateTable();

private:
    std::ostream& line();

    /* What one vessel pushed during the step. Kept by the pusher's handle,
     * as a blast adds a force to every vessel in reach; names are copied
     * once a pusher, and on a new strongest push. */
    struct Pushes {
        OBJHANDLE source = nullptr;
        std::string name;
        int count = 0;
        double strongest = 0.0;
        std::string target;
        double distance = 0.0;
    };
    Pushes& pushesOf(const emu::VesselRecord* source);

    emu::Host& host_;
    std::ostream& out_;
    std::vector<Pushes> pushes_;  // in the order the pushers first pushed
    std::unordered_map<OBJHANDLE, std::size_t> pusherIndex_;
    int failures_ = 0;
};

}  // namespace runner

#endif
