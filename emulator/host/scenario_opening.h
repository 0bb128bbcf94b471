/* Marks a scenario file open for the host functions while it lives, so that
 * a file handle kept past the host's use of the file finds nothing. */
#ifndef BRIMSTAR_EMULATOR_HOST_SCENARIO_OPENING_H
#define BRIMSTAR_EMULATOR_HOST_SCENARIO_OPENING_H

#include "emulator/host/files/scenario_file.h"

namespace emu {

class ScenarioOpening {
public:
    ScenarioOpening(ScenarioFile*& slot, ScenarioFile& file) : slot_(slot) { slot_ = &file; }
    ~ScenarioOpening() { slot_ = nullptr; }
    ScenarioOpening(const ScenarioOpening&) = delete;
    ScenarioOpening& operator=(const ScenarioOpening&) = delete;

private:
    ScenarioFile*& slot_;
};

}  // namespace emu

#endif
