/* The runner's scenario: a planet, vessels, the focus, how long to run with
 * which step, and the pilot's actions at given times. One statement a line:
 * a keyword, then its values and named fields; "#" starts a comment. */
#ifndef BRIMSTAR_RUNNER_SCENARIO_SCRIPT_H
#define BRIMSTAR_RUNNER_SCENARIO_SCRIPT_H

#include "emulator/host/files/bounded_text.h"
#include "emulator/host/world/body.h"

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

/* A pilot's action at a moment of simulation time. */
struct Action {
    double time = 0.0;
    int line = 0;
    std::string verb;               // open, key, button, type, cancel, show, close, focus
    std::vector<std::string> args;  // checked when read
};

/* A plug-in the runner's root holds: its name in a scenario, and its module
 * path, as the simulator's plug-in list and the class files name it. */
struct Plugin {
    const char* name;
    const char* modulePath;
};

/* Every plug-in of the root, active unless a scenario says otherwise */
extern const std::vector<Plugin> rootPlugins;
std::vector<std::string> RootPluginPaths();

struct Script {
    std::string file;
    std::vector<std::string> plugins = RootPluginPaths();  // the active ones' module paths
    emu::Body planet;
    bool gravity = false;
    std::vector<VesselSpec> vessels;
    std::string focus;
    double step = 0.1;
    double duration = 0.0;
    int stepLine = 0, runLine = 0;  // 0 when not written
    std::vector<Action> actions;  // in time order
};

/* How much a scenario file may hold: its size, a line, its lines. */
extern const emu::TextLimits scenarioLimits;

/* The script of a file; false with "file:line: what was expected" in error,
 * or with the limit a file passes. */
bool ReadScript(const std::string& path, Script& script, std::string& error);
bool ParseScript(const std::string& name, const std::string& text, Script& script, std::string& error);

}  // namespace runner

#endif
