/* brimstar-sim SCENARIO --live: the scenario's world, flown from a browser
 * page until SIGINT or SIGTERM ends it, with the runner's own log, outputs
 * and ending around it. */
#ifndef BRIMSTAR_RUNNER_LIVE_RUN_LIVE_H
#define BRIMSTAR_RUNNER_LIVE_RUN_LIVE_H

#include "log_lines.h"

#include "emulator/runner/flight_log.h"
#include "emulator/runner/report/recorder.h"
#include "emulator/runner/run_files.h"
#include "emulator/runner/scenario_script.h"

namespace live {

/* Builds the world and serves the page on 127.0.0.1 (the port, or a free
 * one for 0, printed on the standard output) until an interruption; the
 * log then ends as interrupted. False with why when the world or the server
 * cannot start. The lines are the log the page shows; the recorder makes
 * its flight report; the run's files are those a save from the page must
 * not overwrite. */
bool FlyLive(emu::Host& host, const runner::Script& script, runner::FlightLog& log, const LogLines& lines,
             report::Recorder& recorder, const runner::RunFiles& files, int port, std::string& error);

}  // namespace live

#endif
