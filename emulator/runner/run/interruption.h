/* SIGINT, SIGTERM and SIGHUP (the terminal closed) ask a run to stop: the
 * step under way finishes, the module is shut down as the host would shut
 * it down, and every output is written whole, saying how the run ended.
 * What a further signal does depends on the run:
 *   - a batch run ends at once, its outputs left as they were before the
 *     run and no temporary file beside them: its step may be long, and
 *     the user has asked twice;
 *   - a live flight stops within a second or two anyway, so a further
 *     signal only hears that the outputs are being written, and they are
 *     written whole. */
#ifndef BRIMSTAR_RUNNER_INTERRUPTION_H
#define BRIMSTAR_RUNNER_INTERRUPTION_H

#include <string>

namespace runner {

enum class FurtherSignals { endAtOnce, wait };

void CatchInterruptions(FurtherSignals further);

/* The signal that asked the run to stop, or 0. */
int InterruptingSignal();

/* "SIGINT", "SIGTERM", "SIGHUP" */
std::string SignalName(int signal);

}  // namespace runner

#endif
