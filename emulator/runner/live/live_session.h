/* The world flown live: the simulation's thread steps it in real time (or
 * as fast as it can, and says so), carries out the scenario's actions and
 * the page's at the step they reach it, and publishes what the page shows.
 * Every call into the host and the module happens on that thread; other
 * threads only queue commands and read what was published. */
#ifndef BRIMSTAR_RUNNER_LIVE_LIVE_SESSION_H
#define BRIMSTAR_RUNNER_LIVE_LIVE_SESSION_H

#include "command_queue.h"
#include "live_request.h"
#include "log_lines.h"

#include "emulator/runner/flight_log.h"
#include "emulator/runner/pilot_actions.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <vector>

namespace live {

class LiveSession {
public:
    /* The world must be built (runner::BuildWorld) before run. */
    LiveSession(emu::Host& host, const runner::Script& script, runner::FlightLog& log, const LogLines& lines);

    /* Steps until stop is set. On the simulation's thread. */
    void run(const std::atomic<bool>& stop);

    /* For the server's threads: */
    bool submit(const LiveCommand& command) { return queue_.push(command); }
    KnownWorld known() const;
    std::string stateJson() const;
    /* The session so far as a runner scenario. */
    std::string scenario() const;

    /* For a test that drives the session without a clock: carries out what
     * is queued, then takes `steps` steps. */
    void advance(int steps);

private:
    void apply(const LiveCommand& command);
    void perform(runner::Action action);
    void performScriptedActions();
    void step();
    void publish();
    std::string displayJson(const std::string& name);

    emu::Host& host_;
    const runner::Script& script_;
    runner::FlightLog& log_;
    const LogLines& lines_;
    CommandQueue queue_;
    runner::OpenDisplays displays_;
    size_t nextScripted_ = 0;
    bool paused_ = false;
    double warp_ = 1.0;
    bool keepingUp_ = true;

    mutable std::mutex published_;
    std::string state_;
    KnownWorld known_;
    std::vector<runner::Action> taken_;
    double clock_ = 0.0;
};

}  // namespace live

#endif
