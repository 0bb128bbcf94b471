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
#include "saved_scenarios.h"

#include "emulator/runner/outputs/flight_log.h"
#include "emulator/runner/script/pilot_actions.h"
#include "emulator/runner/outputs/run_files.h"
#include "emulator/runner/report/recorder.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace live {

class LiveSession {
public:
    /* The world must be built (runner::BuildWorld) before run. The
     * recorder, when there is one, watches the host for the flight report.
     * A save from the page never overwrites one of the run's files. */
    LiveSession(emu::Host& host, const runner::Script& script, runner::FlightLog& log, const LogLines& lines,
                report::Recorder* recorder = nullptr, runner::RunFiles files = {});

    /* Steps until stop is set. On the simulation's thread. */
    void run(const std::atomic<bool>& stop);

    /* For the server's threads: */
    bool submit(const LiveCommand& command) { return queue_.push(command); }
    KnownWorld known() const;
    /* Waits up to `wait` for a state published after the one numbered
     * `seen`; true with it and its number when there is one. */
    bool nextState(unsigned long long& seen, std::chrono::milliseconds wait, std::string& state);
    /* The host's scenarios saved in the root folder whose names hold
     * `match`: the folder as it is now, read on the caller's thread. */
    SavedList savedScenarios(const std::string& match) const;
    /* The session so far as a runner scenario. */
    std::string scenario() const;
    /* The flight report of the session so far, made on the simulation's
     * thread between steps; "" without a recorder, or when the simulation
     * does not answer within the wait. */
    std::string flightReport(std::chrono::seconds wait);

    /* The bytes of a report kept for those still waiting for it. */
    size_t reportBytesKept();

    /* For a test that drives the session without a clock: carries out what
     * is queued, then takes `steps` steps, then answers report requests. */
    void advance(int steps);

private:
    void apply(const LiveCommand& command);
    void perform(runner::Action action);
    void focus(std::uint64_t serial);
    bool recordingFull(size_t lineLength) const;
    std::string buttonName(const std::string& display, const std::string& index);
    std::string fileProblem(const runner::Action& action) const;
    void performScriptedActions();
    void step();
    void publish();
    void answerReportRequests();
    std::string displayJson(const std::string& name);
    std::string messageBoxJson();

    emu::Host& host_;
    const runner::Script& script_;
    runner::FlightLog& log_;
    const LogLines& lines_;
    report::Recorder* recorder_;
    CommandQueue queue_;
    runner::OpenDisplays displays_;
    size_t nextScripted_ = 0;
    bool keepingUp_ = true;
    const std::filesystem::path root_;
    SavedList savedScenarios_;
    std::set<std::string> loaded_;  // the files the flight loaded, as its actions name them
    // What taking the session home would write, so far: it must stay a
    // scenario the runner reads.
    size_t recordedBytes_ = 0, recordedLines_ = 0;
    const runner::RunFiles files_;

    mutable std::mutex published_;
    std::condition_variable statePublished_;
    unsigned long long stateNumber_ = 0;
    std::string state_;
    KnownWorld known_;
    std::string taken_;  // the actions' lines, as taking the session home writes them
    double clock_ = 0.0;

    // Report requests, numbered: each waits for an answer made after it asked.
    std::mutex reportMutex_;
    std::condition_variable reportMade_;
    unsigned long long reportsAsked_ = 0, reportsAnswered_ = 0;
    // A report is several megabytes: it is kept only while someone waits for it.
    int reportWaiters_ = 0;
    std::string report_;
};

}  // namespace live

#endif
