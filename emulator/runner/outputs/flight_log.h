/* The runner's flight log: one line per event, stamped with the simulation
 * time, as a person reads it. */
#ifndef BRIMSTAR_RUNNER_FLIGHT_LOG_H
#define BRIMSTAR_RUNNER_FLIGHT_LOG_H

#include "emulator/runner/outputs/run_ending.h"

#include "emulator/host/host.h"

#include <unordered_map>
#include <ostream>

namespace runner {

/* Told what the log says beyond the host's notices: the runner's own notes
 * (the pilot's actions among them) and the screens shown. */
class LogListener {
public:
    virtual ~LogListener() = default;
    virtual void noted(const std::string& /*text*/) {}
    virtual void screenShown(const std::string& /*name*/, const emu::Screen&, const emu::Display&) {}
    virtual void runFinished(const RunEnding& /*ending*/) {}
};

class FlightLog : public emu::HostObserver {
public:
    /* A log nobody reads (quiet, with no file) writes nothing, and should
     * not be told the host's events: it keeps only the notes' listener and
     * the failures. */
    FlightLog(emu::Host& host, std::ostream& out, bool read = true) : host_(host), out_(out), read_(read) {}
    bool read() const { return read_; }

    void vesselCreated(const emu::VesselRecord& v) override;
    void vesselDeleted(const emu::VesselRecord& v) override;
    void messageBox(const emu::MessageBoxRecord& box) override;
    void debugLineChanged(const std::string& line) override;
    void inputBoxOpened(const std::string& title) override;
    void forceAdded(const emu::VesselRecord& target, const VECTOR3& force, const emu::VesselRecord* source) override;
    void touchedDown(const emu::VesselRecord& v, const emu::Touchdown& where) override;
    /* Prints the step's forces, one line per vessel that pushed. */
    void forcesIntegrated() override;
    void fault(const std::string& what) override;
    void runEnded() override;

    /* A line of the runner's own */
    void note(const std::string& text);
    /* Something asked for that did not happen: logged, and the run's exit
     * status will say so. */
    void failure(const std::string& text);
    bool failed() const { return failures_ > 0; }
    /* A display's screen, drawn as a text box */
    void screen(const std::string& name, const emu::Screen& screen, const emu::Display& display);
    void listen(LogListener* listener) { listener_ = listener; }
    /* The final state: one row per vessel, under how the run ended */
    void stateTable();
    /* States how the run ended, then the final state. */
    void finish(const RunEnding& ending);
    const RunEnding& ending() const { return ending_; }

private:
    /* One line of the log, stamped, with whatever it holds printable. */
    void line(const std::string& text);

    /* What one vessel pushed during the step. */
    struct Pushes {
        int count = 0;
        double strongest = 0.0;
        OBJHANDLE target = nullptr;
        double distance = 0.0;
    };

    emu::Host& host_;
    std::ostream& out_;
    bool read_;
    /* By the pushing vessel, for the step under way */
    std::unordered_map<OBJHANDLE, Pushes> pushes_;
    int failures_ = 0;
    RunEnding ending_;
    LogListener silent_;
    LogListener* listener_ = &silent_;
};

}  // namespace runner

#endif
