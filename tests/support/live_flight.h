/* A world flown live in a test, as brimstar-sim --live flies it but without
 * a clock or a server: the module in a fresh emulated root, the log the page
 * reads, the trace and the flight report's recorder watching, the world
 * built from the script and the session over it. */
#ifndef BRIMSTAR_TESTS_SUPPORT_LIVE_FLIGHT_H
#define BRIMSTAR_TESTS_SUPPORT_LIVE_FLIGHT_H

#include "support/emulated_root.h"

#include "emulator/runner/live/session/live_session.h"
#include "emulator/runner/outputs/observer_fanout.h"
#include "emulator/runner/outputs/trace_writer.h"

#include <memory>
#include <sstream>
#include <string>

namespace testing_support {

class LiveFlight {
public:
    /* The script must outlive the flight. A world that cannot be built
     * fails the test. */
    explicit LiveFlight(const runner::Script& script, runner::RunFiles files = {});
    ~LiveFlight();
    LiveFlight(const LiveFlight&) = delete;
    LiveFlight& operator=(const LiveFlight&) = delete;

    /* Decodes the request as the server does against the world as last
     * published, and queues it; false with why when refused. */
    bool ask(const std::string& body, std::string& why);
    /* The same, for a request the test expects taken; then carries it out. */
    void act(const std::string& body);
    /* The state published last. */
    std::string state();

    // In the order they are made.
    EmulatedRoot root;
    emu::Host host;
    std::ostringstream out, trace;
    live::LogLines lines;
    std::ostream logStream;
    runner::FlightLog log;
    runner::TraceWriter tracer;
    report::Recorder recorder;
    runner::ObserverFanout observers;
    std::unique_ptr<live::LiveSession> session;
};

}  // namespace testing_support

#endif
