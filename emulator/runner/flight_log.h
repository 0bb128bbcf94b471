/* The runner's flight log: one line per event, stamped with the simulation
 * time, as a person reads it. */
#ifndef BRIMSTAR_RUNNER_FLIGHT_LOG_H
#define BRIMSTAR_RUNNER_FLIGHT_LOG_H

#include "emulator/host/host.h"

#include <ostream>

namespace runner {

class FlightLog : public emu::HostObserver {
public:
    FlightLog(emu::Host& host, std::ostream& out) : host_(host), out_(out) {}

    void vesselCreated(const emu::VesselRecord& v) override;
    void vesselDeleted(const emu::VesselRecord& v) override;
    void messageBox(const emu::MessageBoxRecord& box) override;
    void debugLineChanged(const std::string& line) override;
    void inputBoxOpened(const std::string& title) override;
    void runEnded() override;

    /* A line of the runner's own */
    void note(const std::string& text);
    /* A display's screen, drawn as a text box */
    void screen(const std::string& name, const emu::Screen& screen, int widthPixels);
    /* The final state: one row per vessel */
    void stateTable();

private:
    std::ostream& line();

    emu::Host& host_;
    std::ostream& out_;
};

}  // namespace runner

#endif
