/* SIGINT and SIGTERM ask a run to stop: the step under way finishes, the
 * module is shut down as the host would shut it down, and every output is
 * written whole, saying that the run was interrupted and when. A second
 * signal ends the program at once; the files it was writing are then left
 * as they were before the run. */
#ifndef BRIMSTAR_RUNNER_INTERRUPTION_H
#define BRIMSTAR_RUNNER_INTERRUPTION_H

#include <string>

namespace runner {

void CatchInterruptions();

/* The signal that asked the run to stop, or 0. */
int InterruptingSignal();

/* "SIGINT", "SIGTERM" */
std::string SignalName(int signal);

}  // namespace runner

#endif
