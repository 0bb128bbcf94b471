/* A live session written as a runner scenario: the world as it started and
 * every action at the moment it took effect, so that the runner plays the
 * same steps and arrives at the same trajectory, bit for bit. Times and
 * values are written with all the digits a double needs to read back as
 * itself. */
#ifndef BRIMSTAR_RUNNER_LIVE_RECORDED_SCENARIO_H
#define BRIMSTAR_RUNNER_LIVE_RECORDED_SCENARIO_H

#include "emulator/runner/script/scenario_script.h"

#include <string>

namespace live {

/* Whether a scenario can hold the text as one word: no control character,
 * and a '"' only in a word without blanks or '#' that does not open with
 * one. Every word the runner reads passes. */
bool Recordable(const std::string& word);

/* The scenario, in three parts: start's world and step, one line for each
 * action at its time, and a run that ends at `end`. A session keeps its
 * actions as their lines, and measures what it has recorded with them. */
std::string RecordedWorld(const runner::Script& start);
std::string RecordedAction(const runner::Action& action);
std::string RecordedEnd(double end);

}  // namespace live

#endif
