/* Saving the host's own scenario files: the environment, the bodies, the
 * focus, every vessel's state through its own callbacks, and each module's
 * block through its save entry point. Names are quoted texts and numbers are
 * written so that they read back exactly; what cannot be written faithfully
 * refuses the save, and nothing is written then. */
#include "emulator/host/host.h"

#include "emulator/host/files/host_scenario_format.h"
#include "emulator/host/files/replacing_file.h"
#include "emulator/host/files/scenario_file.h"
#include "emulator/host/files/scenario_text.h"
#include "emulator/host/scenario_opening.h"

#include <cmath>

namespace emu {

namespace {

void WriteBody(ScenarioFile& file, const Body& b)
{
    std::string owner = "body '" + b.name + "'";
    file.writeLine(QuoteText(b.name));
    file.writeNumbers(owner, "RADIUS", {b.radius});
    file.writeNumbers(owner, "GM", {b.gm});
    file.writeNumbers(owner, "OBLIQUITY", {b.obliquity});
    file.writeNumbers(owner, "THETA", {b.theta});
    file.writeNumbers(owner, "ROTPERIOD", {b.rotationPeriod});
    file.writeNumbers(owner, "ROTATION", {b.rotationAtZero});
    file.writeNumbers(owner, "POS", {b.pos.x, b.pos.y, b.pos.z});
    file.writeNumbers(owner, "VEL", {b.vel.x, b.vel.y, b.vel.z});
    file.writeItem("ATMOSPHERE", b.atmosphere ? "1" : "0");
    file.writeLine("END");
}

bool WriteLines(const std::filesystem::path& path, const std::vector<std::string>& lines, std::string& error)
{
    if (path.empty()) {
        error = "no file name to save the scenario to";
        return false;
    }
    ReplacingFile file;
    std::string why;
    bool written = file.open(path, why);
    for (size_t i = 0; written && i < lines.size(); ++i)
        file.stream() << lines[i] << '\n';
    if (written && file.commit(why))
        return true;
    error = path.string() + ": not saved: " + why;
    return false;
}

}  // namespace

bool Host::saveScenario(const std::filesystem::path& path, std::string& error, const std::string& description)
{
    if (runEnded_) {
        error = "the run has ended: nothing is saved";
        return false;
    }
    ScenarioFile file = ScenarioFile::ForWriting();
    ScenarioOpening open(openScenario_, file);
    file.writeLine(scenarioMagic);
    file.writeLine("BEGIN_DESC");
    if (!description.empty())
        file.writeLine("  " + QuoteText(description));
    file.writeLine("END_DESC");
    file.writeLine("BEGIN_ENVIRONMENT");
    if (std::fabs(world_.simt) > scenarioClockLimit)
        file.refuse("the clock " + NumberText(world_.simt) + " s is beyond what a scenario may hold (" +
                    NumberText(scenarioClockLimit) + " s either way)");
    file.writeNumbers("the environment", "TIME", {world_.simt});
    file.writeNumbers("the environment", "MJD", {world_.mjdAtZero});
    file.writeItem("GRAVITY", world_.gravity ? "1" : "0");
    file.writeLine("END_ENVIRONMENT");
    file.writeLine("BEGIN_BODIES");
    for (int i = 0; i < world_.bodyCount(); ++i)
        WriteBody(file, *world_.bodyByIndex(i));
    file.writeLine("END_BODIES");
    if (VesselRecord* focus = world_.vessel(world_.focus)) {
        file.writeLine("BEGIN_FOCUS");
        file.writeItem("Ship", QuoteText(focus->details->name));
        file.writeLine("END_FOCUS");
    }
    file.writeLine("BEGIN_SHIPS");
    for (OBJHANDLE h : world_.vessels()) {
        VesselRecord* v = world_.vessel(h);
        file.writeLine(QuoteText(v->details->name) + ":" + QuoteText(*v->className));
        if (v->callbacks)
            v->callbacks->clbkSaveState(file.handle());
        else
            v->iface->SaveDefaultState(file.handle());
        file.writeLine("END");
    }
    file.writeLine("END_SHIPS");
    std::string refusingModule;
    for (const auto& m : modules_.modules()) {
        if (!m->opcSaveState)
            continue;
        file.writeLine("BEGIN_MODULE " + QuoteText(m->path));
        bool refusedBefore = !file.refusal().empty();
        m->opcSaveState(file.handle());
        if (!refusedBefore && !file.refusal().empty())
            refusingModule = m->path;
        file.writeLine("END_MODULE");
    }
    file.writeLine(scenarioLastLine);
    if (!file.refusal().empty()) {
        error = path.string() + ": not saved: " + (refusingModule.empty() ? "" : "module " + refusingModule + ": ") +
                file.refusal();
        return false;
    }
    if (!WriteLines(path, file.lines(), error))
        return false;
    observer_->scenarioSaved(file.lines());
    return true;
}

}  // namespace emu
