#include "script_player.h"

#include "pilot_actions.h"

#include <cmath>

namespace runner {

const char* const moduleInstallPath = "plugin\\brimstar";

bool PlayScript(emu::Host& host, const Script& script, FlightLog& log, std::string& error)
{
    emu::World& world = host.world();
    world.gravity = script.gravity;
    world.addBody(script.planet);

    log.note("loading module " + std::string(moduleInstallPath));
    if (!host.loadPlugin(moduleInstallPath)) {
        error = "cannot load the module from " + emu::ModuleRegistry::LibraryPath(moduleInstallPath);
        return false;
    }
    for (const VesselSpec& vessel : script.vessels) {
        if (!host.createVesselAt(vessel.name, vessel.className, vessel.pos, vessel.vel)) {
            error = script.file + ":" + std::to_string(vessel.line) + ": the host refused to create vessel '" +
                    vessel.name + "' of class '" + vessel.className + "'";
            return false;
        }
    }
    if (emu::VesselRecord* focus = world.vesselByName(script.focus.c_str()))
        host.setFocus(focus->handle);

    // Each action comes once the clock has reached its time, to within half
    // a step; the run ends at its duration or after the last action, or at
    // once when a quick shutdown ends it.
    OpenDisplays displays;
    auto stepUntil = [&](double time) {
        while (world.simt + script.step / 2 < time && !host.runEnded())
            host.step(script.step);
    };
    for (const Action& action : script.actions) {
        stepUntil(action.time);
        if (host.runEnded())
            break;
        if (!PerformAction(host, action, displays, log, error)) {
            error = script.file + ":" + std::to_string(action.line) + ": " + error;
            return false;
        }
        host.noticeDebugLine();
    }
    stepUntil(script.duration);
    log.stateTable();
    return true;
}

}  // namespace runner
