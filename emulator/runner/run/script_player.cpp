#include "emulator/runner/run/script_player.h"

#include "emulator/runner/run/interruption.h"
#include "emulator/runner/script/pilot_actions.h"
#include "emulator/runner/run/run_length.h"

#include <algorithm>
#include <csignal>

namespace runner {

bool BuildWorld(emu::Host& host, const Script& script, FlightLog& log, std::string& error)
{
    emu::World& world = host.world();
    world.gravity = script.gravity;
    world.clearBodies();
    world.addBody(script.planet);

    for (const std::string& plugin : script.plugins) {
        log.note("loading module " + plugin);
        if (!host.loadPlugin(plugin)) {
            std::string library = emu::ModuleRegistry::LibraryPath(plugin);
            std::replace(library.begin(), library.end(), '\\', char(std::filesystem::path::preferred_separator));
            error = "cannot load the module from " + (host.root() / library).string();
            return false;
        }
    }
    for (const VesselSpec& vessel : script.vessels) {
        if (!host.createVesselAt(vessel.name, vessel.className, vessel.pos, vessel.vel)) {
            error = script.file + ":" + std::to_string(vessel.line) + ": the host refused to create vessel '" +
                    vessel.name + "' of class '" + vessel.className + "'" +
                    (host.creationRefusal().empty() ? "" : ": " + host.creationRefusal());
            return false;
        }
    }
    if (emu::VesselRecord* focus = world.vesselByName(script.focus.c_str()))
        host.setFocus(focus->handle);
    return true;
}

namespace {

/* Stopped by a signal: the step under way has finished. */
bool Interrupted(const emu::Host& host)
{
    return InterruptingSignal() != 0 && !host.runEnded();
}

bool Play(emu::Host& host, const Script& script, FlightLog& log, std::string& error, std::uint64_t maxSteps)
{
    if (!CheckRunLength(script, maxSteps, error))
        return false;
    if (!BuildWorld(host, script, log, error))
        return false;
    emu::World& world = host.world();

    // Each action comes once the clock has reached its time, to within half
    // a step; the run ends at its duration or after the last action, or at
    // once when a quick shutdown ends it. A load may have moved the clock,
    // so the way to each time is checked again, and the run still ends.
    OpenDisplays displays;
    std::uint64_t taken = 0;
    auto stepUntil = [&](double time, int line) {
        std::string why = StepProblem(world.simt, time, script.step);
        if (why.empty())
            why = StepCountProblem(world.simt, time, script.step, taken, maxSteps);
        if (!why.empty()) {
            error = script.file + ":" + std::to_string(line) + ": " + why;
            return false;
        }
        for (; world.simt + script.step / 2 < time && !host.runEnded() && !Interrupted(host); ++taken)
            host.step(script.step);
        return true;
    };
    for (const Action& action : script.actions) {
        if (!stepUntil(action.time, action.line))
            return false;
        if (host.runEnded() || Interrupted(host))
            return true;
        if (!PerformAction(host, action, displays, log, error)) {
            error = script.file + ":" + std::to_string(action.line) + ": " + error;
            return false;
        }
        host.noticeDebugLine();
    }
    return stepUntil(script.duration, script.runLine);
}

}  // namespace

bool PlayScript(emu::Host& host, const Script& script, FlightLog& log, std::string& error, std::uint64_t maxSteps)
{
    bool played = Play(host, script, log, error, maxSteps);
    FinishRun(host, log, played ? "" : error);
    return played;
}

void FinishRun(emu::Host& host, FlightLog& log, const std::string& error, bool live)
{
    RunEnding ending;
    if (!error.empty())
        ending = {RunEnding::Kind::failed, 0, error};
    else if (!host.faults().empty())
        ending = {RunEnding::Kind::failed, 0, host.faults().front()};
    else if (host.runEnded())
        ending.kind = RunEnding::Kind::halted;
    else if (int signal = InterruptingSignal(); live && signal == SIGINT)
        ending = {RunEnding::Kind::endedByPilot, 0, "Ctrl-C"};
    else if (signal)
        ending = {RunEnding::Kind::interrupted, 0, SignalName(signal)};
    ending.time = host.world().simt;
    log.finish(ending);
}

}  // namespace runner
