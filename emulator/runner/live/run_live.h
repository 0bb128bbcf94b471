/* brimstar-sim SCENARIO --live: the scenario's world, flown from a browser
 * page until SIGINT or SIGTERM ends it; then the module is shut down as the
 * host would. */
#ifndef BRIMSTAR_RUNNER_LIVE_RUN_LIVE_H
#define BRIMSTAR_RUNNER_LIVE_RUN_LIVE_H

#include "emulator/runner/command_line.h"
#include "emulator/runner/run_files.h"
#include "emulator/runner/scenario_script.h"

namespace live {

/* The exit status: 0 once stopped, 1 when the world or the server cannot
 * start (said on stderr). The run's files are those a save from the page
 * must not overwrite. */
int RunLive(const runner::Options& options, const runner::Script& script, const runner::RunFiles& files);

}  // namespace live

#endif
