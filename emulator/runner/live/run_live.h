/* brimstar-sim SCENARIO --live: the scenario's world, flown from a browser
 * page until Ctrl-C (or SIGTERM, or SIGHUP) ends it, with the runner's own
 * log, outputs and ending around it. The port is taken before anything
 * runs, and is the flight's alone: one world per port. */
#ifndef BRIMSTAR_RUNNER_LIVE_RUN_LIVE_H
#define BRIMSTAR_RUNNER_LIVE_RUN_LIVE_H

#include "live_server.h"
#include "emulator/runner/live/session/log_lines.h"

#include "emulator/runner/outputs/flight_log.h"
#include "emulator/runner/report/recorder.h"
#include "emulator/runner/outputs/run_files.h"
#include "emulator/runner/script/scenario_script.h"

#include <memory>
#include <string>

namespace live {

/* The server, bound to 127.0.0.1 on the port (a free one for 0); null
 * with why when the port cannot be had. */
std::unique_ptr<LiveServer> ListenOn(int port, std::string& error);

/* Builds the world and serves the page from the server (its address printed
 * on the standard output) until an interruption; the log then ends as the
 * pilot's or as interrupted. False with why when the world cannot be built.
 * The lines are the log the page shows; the recorder makes its flight
 * report; the run's files are those a save from the page must not
 * overwrite. */
bool FlyLive(emu::Host& host, const runner::Script& script, runner::FlightLog& log, const LogLines& lines,
             report::Recorder& recorder, const runner::RunFiles& files, LiveServer& server, std::string& error);

}  // namespace live

#endif
