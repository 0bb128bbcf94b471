/* The runner's scenario: a planet, vessels, the focus, and how long to run
 * with which step. One statement a line: a keyword, then its values and
 * named fields; "#" starts a comment. */
#ifndef BRIMSTAR_RUNNER_SCENARIO_SCRIPT_H
#define BRIMSTAR_RUNNER_SCENARIO_SCRIPT_H

#include "emulator/host/body.h"

#include <string>
#include <vector>

namespace runner {

struct VesselSpec {
    std::string name;
    std::string className;
    VECTOR3 pos{0, 0, 0};  // relative to the planet, m
    VECTOR3 vel{0, 0, 0};  // relative to the planet, m/s
    int line = 0;
};

struct Script {
    std::string file;
    emu::Body planet;
    bool gravity = false;
    std::vector<VesselSpec> vessels;
    std::string focus;
    double step = 0.1;
    double duration = 0.0;
};

/* The script of a file; false with "file:line: what was expected" in error. */
bool ReadScript(const std::string& path, Script& script, std::string& error);
bool ParseScript(const std::string& name, const std::string& text, Script& script, std::string& error);

}  // namespace runner

#endif
