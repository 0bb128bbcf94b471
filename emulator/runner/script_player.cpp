#include "script_player.h"

#include <cmath>

namespace runner {

const char* const moduleInstallPath = "plugin\\brimstar";

bool PlayScript(emu::Host& host, const Script& script, FlightLog& log, std::string& error)
{
    emu::World& world = host.world();
    world.gravity = script.gravity;
    OBJHANDLE planet = world.addBody(script.planet);

    log.note("loading module " + std::string(moduleInstallPath));
    if (!host.loadPlugin(moduleInstallPath)) {
        error = "cannot load the module from " + emu::ModuleRegistry::LibraryPath(moduleInstallPath);
        return false;
    }
    for (const VesselSpec& spec : script.vessels) {
        VesselStateEx state{};
        state.version = 2;
        state.rbody = planet;
        state.rpos = spec.pos;
        state.rvel = spec.vel;
        if (!host.createVessel(spec.name.c_str(), spec.className.c_str(), state)) {
            error = script.file + ":" + std::to_string(spec.line) + ": the host refused to create vessel '" +
                    spec.name + "' of class '" + spec.className + "'";
            return false;
        }
    }
    if (emu::VesselRecord* focus = world.vesselByName(script.focus.c_str()))
        host.setFocus(focus->handle);

    long steps = std::lround(script.duration / script.step);
    for (long i = 0; i < steps && !host.runEnded(); ++i)
        host.step(script.step);
    log.stateTable();
    return true;
}

}  // namespace runner
