/* Plays a runner scenario in an emulated host: builds the world, loads the
 * module as the host would, and steps it for the scenario's time. */
#ifndef BRIMSTAR_RUNNER_SCRIPT_PLAYER_H
#define BRIMSTAR_RUNNER_SCRIPT_PLAYER_H

#include "emulator/runner/outputs/flight_log.h"
#include "emulator/runner/run/run_length.h"
#include "emulator/runner/script/scenario_script.h"

#include <cstdint>
#include <string>

namespace runner {

/* Loads the active plug-ins and makes the script's world with its focus, at the
 * clock's start; false with a message when the host refuses. */
bool BuildWorld(emu::Host& host, const Script& script, FlightLog& log, std::string& error);

/* Plays the script in at most maxSteps steps; false with a message when the
 * world cannot be built, an action cannot be carried out or the run would
 * not end. A signal (see interruption.h) stops it after the step under way.
 * The log is told how the run ended, and ends with the final state. */
bool PlayScript(emu::Host& host, const Script& script, FlightLog& log, std::string& error,
                std::uint64_t maxSteps = defaultMaxSteps);

/* Tells the log how the run ended, and ends it with the final state: the
 * error when there is one, else the host's first fault, the library's quick
 * shutdown, or the signal that stopped it; a live flight's SIGINT is the
 * pilot's Ctrl-C, its normal end. */
void FinishRun(emu::Host& host, FlightLog& log, const std::string& error, bool live = false);

}  // namespace runner

#endif
