#include "run_live.h"

#include "emulator/runner/live/session/live_session.h"

#include "emulator/runner/run/interruption.h"
#include "emulator/runner/run/script_player.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <iostream>
#include <thread>

namespace live {

namespace {

/* How often the interruption is looked for: well within a person's wait. */
const auto interruptionPoll = std::chrono::milliseconds(20);

bool Fly(emu::Host& host, const runner::Script& script, runner::FlightLog& log, const LogLines& lines,
         report::Recorder& recorder, const runner::RunFiles& files, LiveServer& server, std::string& error)
{
    if (!runner::BuildWorld(host, script, log, error))
        return false;
    LiveSession session(host, script, log, lines, &recorder, files);
    std::cout << "brimstar-sim: flying live at http://127.0.0.1:" << server.port() << "/ (Ctrl-C ends it)"
              << std::endl;

    std::atomic<bool> stop{false};
    std::thread simulation([&] { session.run(stop); });
    std::thread serving([&] { server.serve(session); });
    while (!runner::InterruptingSignal())
        std::this_thread::sleep_for(interruptionPoll);
    // The server first, while the simulation still answers what its
    // requests wait for (a report).
    server.stop();
    serving.join();
    stop = true;
    simulation.join();
    std::cout << "brimstar-sim: stopped at t = " << host.world().simt << " s" << std::endl;
    return true;
}

}  // namespace

std::unique_ptr<LiveServer> ListenOn(int port, std::string& error)
{
    auto server = std::make_unique<LiveServer>();
    errno = 0;
    if (server->bind(port) >= 0)
        return server;
    error = "cannot listen on 127.0.0.1:" + std::to_string(port);
    if (errno == EADDRINUSE)
        error += ": the port is in use (one world per port: another flight, or another program, has it)";
    else if (errno)
        error += std::string(": ") + std::strerror(errno);
    return nullptr;
}

bool FlyLive(emu::Host& host, const runner::Script& script, runner::FlightLog& log, const LogLines& lines,
             report::Recorder& recorder, const runner::RunFiles& files, LiveServer& server, std::string& error)
{
    bool flown = Fly(host, script, log, lines, recorder, files, server, error);
    runner::FinishRun(host, log, flown ? "" : error, true);
    return flown;
}

}  // namespace live
