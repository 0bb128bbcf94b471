/* How a run ended. A run that did not reach its end (an error, an
 * interruption, a library's quick shutdown) says so in every output: the
 * log, its final table, the trace, the plot and the report's header. A live
 * flight has no end of its own: the pilot's Ctrl-C is its normal end, said
 * as such and not as a fault. */
#ifndef BRIMSTAR_RUNNER_RUN_ENDING_H
#define BRIMSTAR_RUNNER_RUN_ENDING_H

#include <string>

namespace runner {

struct RunEnding {
    enum class Kind { completed, failed, interrupted, halted, endedByPilot };
    Kind kind = Kind::completed;
    double time = 0;     // of the simulation, s
    std::string reason;  // the error, or the signal's name, or the pilot's key

    bool early() const { return kind != Kind::completed; }
    /* What ended the run, as a sentence's end: "stopped at 12.3 s: ...". */
    std::string text() const;
    /* "completed", "failed", "interrupted", "halted", "ended" */
    const char* name() const;
};

}  // namespace runner

#endif
