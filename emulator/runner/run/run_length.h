/* How far a run may go. Every step must move the clock, the clock must stay
 * finite, and the number of steps is bounded (by --max-steps), so that a run
 * always ends: "run 1e300", a step too small for the times the run reaches,
 * or a clock a host scenario moved far back are refused, not played for
 * ever. */
#ifndef BRIMSTAR_RUNNER_RUN_LENGTH_H
#define BRIMSTAR_RUNNER_RUN_LENGTH_H

#include "emulator/runner/script/scenario_script.h"

#include <cstdint>
#include <string>

namespace runner {

/* About eleven simulated days at the default step: minutes of running. */
extern const std::uint64_t defaultMaxSteps;

/* Where the script's run ends: its duration, or its last action when that
 * comes later. */
double RunEnd(const Script& script);

/* The number of steps that take the clock from `from` to within half a step
 * of `to`, as the runner steps. */
double StepsToReach(double from, double to, double step);

/* Why steps of `step` s cannot take the clock from `from` to `to`: a step
 * that does not move it at some time on the way, or one that drives it to
 * infinity. Empty when they can. */
std::string StepProblem(double from, double to, double step);

/* Why that many more steps are too many, after `taken`; empty when not. */
std::string StepCountProblem(double from, double to, double step, std::uint64_t taken, std::uint64_t maxSteps);

/* The script's run from 0 to its end (its duration, or its last action);
 * false with "file:line: why", naming the step for a step that cannot go
 * and the end for a run too long. */
bool CheckRunLength(const Script& script, std::uint64_t maxSteps, std::string& error);

}  // namespace runner

#endif
