#include "run_live.h"

#include "live_server.h"
#include "live_session.h"
#include "log_lines.h"

#include "emulator/host/files/replacing_file.h"
#include "emulator/runner/interruption.h"
#include "emulator/runner/observer_fanout.h"
#include "emulator/runner/printable_text.h"
#include "emulator/runner/script_player.h"
#include "emulator/runner/trace_writer.h"

#include <algorithm>
#include <csignal>
#include <memory>
#include <iostream>
#include <pthread.h>
#include <thread>

namespace live {

namespace {

const double reportedFlight = 3600.0;  // s

}  // namespace

int RunLive(const runner::Options& options, const runner::Script& script, const runner::RunFiles& files)
{
    // The signals wait for the main thread alone: every thread started
    // from here on inherits the mask.
    sigset_t stopping;
    sigemptyset(&stopping);
    sigaddset(&stopping, SIGINT);
    sigaddset(&stopping, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopping, nullptr);

    LogLines lines(options.quiet ? nullptr : &std::cout);
    std::ostream out(&lines);
    emu::Host host(options.root);
    runner::FlightLog log(host, out);
    std::string error;
    runner::ObserverFanout observers;
    observers.add(&log);
    // The live trace is what a replay of the exported scenario is held to.
    emu::ReplacingFile traceFile;
    std::unique_ptr<runner::TraceWriter> trace;
    if (!options.trace.empty()) {
        if (!traceFile.open(options.trace, error)) {
            std::cerr << "brimstar-sim: cannot write the trace to " << runner::Printable(options.trace.string())
                      << ": " << error << '\n';
            return 1;
        }
        trace = std::make_unique<runner::TraceWriter>(host, traceFile.stream());
        observers.add(trace.get());
    }
    // The report's tracks are thinned for an hour's flight or the
    // scenario's length, whichever is longer.
    runner::Script reported = script;
    reported.duration = std::max(script.duration, reportedFlight);
    report::Recorder recorder(host, reported);
    observers.add(&recorder);
    log.listen(&recorder);
    host.setObserver(&observers);
    if (!runner::BuildWorld(host, script, log, error)) {
        std::cerr << "brimstar-sim: " << runner::Printable(error) << '\n';
        host.setObserver(nullptr);
        host.shutdown();
        return 1;
    }
    LiveSession session(host, script, log, lines, &recorder, files);
    LiveServer server(session);
    int port = server.bind(options.port);
    if (port < 0) {
        std::cerr << "brimstar-sim: cannot listen on 127.0.0.1:" << options.port << '\n';
        host.setObserver(nullptr);
        host.shutdown();
        return 1;
    }
    std::cout << "brimstar-sim: flying " << runner::Printable(options.scenario.string()) << " live at http://127.0.0.1:"
              << port << "/ (Ctrl-C ends it)" << std::endl;

    std::atomic<bool> stop{false};
    std::thread simulation([&] { session.run(stop); });
    std::thread serving([&] { server.serve(); });
    int signal = 0;
    sigwait(&stopping, &signal);
    stop = true;
    simulation.join();
    server.stop();
    serving.join();
    log.finish({runner::RunEnding::Kind::interrupted, host.world().simt, runner::SignalName(signal)});
    host.setObserver(nullptr);
    host.shutdown();
    out.flush();
    if (traceFile.isOpen() && !traceFile.commit(error)) {
        std::cerr << "brimstar-sim: could not write the whole trace: " << error << '\n';
        return 1;
    }
    std::cout << "brimstar-sim: stopped at t = " << host.world().simt << " s" << std::endl;
    return 0;
}

}  // namespace live
