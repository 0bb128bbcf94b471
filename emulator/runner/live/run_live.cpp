#include "run_live.h"

#include "live_server.h"
#include "live_session.h"

#include "emulator/runner/interruption.h"
#include "emulator/runner/script_player.h"

#include <atomic>
#include <chrono>
#include <iostream>
#include <thread>

namespace live {

namespace {

/* How often the interruption is looked for: well within a person's wait. */
const auto interruptionPoll = std::chrono::milliseconds(20);

bool Fly(emu::Host& host, const runner::Script& script, runner::FlightLog& log, const LogLines& lines,
         report::Recorder& recorder, const runner::RunFiles& files, int port, std::string& error)
{
    if (!runner::BuildWorld(host, script, log, error))
        return false;
    LiveSession session(host, script, log, lines, &recorder, files);
    LiveServer server(session);
    int bound = server.bind(port);
    if (bound < 0) {
        error = "cannot listen on 127.0.0.1:" + std::to_string(port);
        return false;
    }
    std::cout << "brimstar-sim: flying live at http://127.0.0.1:" << bound << "/ (Ctrl-C ends it)" << std::endl;

    std::atomic<bool> stop{false};
    std::thread simulation([&] { session.run(stop); });
    std::thread serving([&] { server.serve(); });
    while (!runner::InterruptingSignal())
        std::this_thread::sleep_for(interruptionPoll);
    stop = true;
    simulation.join();
    server.stop();
    serving.join();
    std::cout << "brimstar-sim: stopped at t = " << host.world().simt << " s" << std::endl;
    return true;
}

}  // namespace

bool FlyLive(emu::Host& host, const runner::Script& script, runner::FlightLog& log, const LogLines& lines,
             report::Recorder& recorder, const runner::RunFiles& files, int port, std::string& error)
{
    bool flown = Fly(host, script, log, lines, recorder, files, port, error);
    runner::FinishRun(host, log, flown ? "" : error);
    return flown;
}

}  // namespace live
