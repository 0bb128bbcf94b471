/* The host's own scenario files: the environment, the bodies, the focus,
 * every vessel's state through its own callbacks, and each module's block
 * through its save and load entry points. Numbers are written so that they
 * read back exactly. */
#include "emulator/host/host.h"

#include "emulator/host/files/scenario_file.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace emu {

namespace {

const char* const magic = "BRIMSTAR-HOST-SCENARIO 1";

std::string Number(double d)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", d);
    return text;
}

std::string Vector(const VECTOR3& v)
{
    return Number(v.x) + " " + Number(v.y) + " " + Number(v.z);
}

void WriteBody(ScenarioFile& file, const Body& b)
{
    file.writeLine(b.name);
    file.writeItem("RADIUS", Number(b.radius));
    file.writeItem("GM", Number(b.gm));
    file.writeItem("OBLIQUITY", Number(b.obliquity));
    file.writeItem("THETA", Number(b.theta));
    file.writeItem("ROTPERIOD", Number(b.rotationPeriod));
    file.writeItem("ROTATION", Number(b.rotationAtZero));
    file.writeItem("POS", Vector(b.pos));
    file.writeItem("VEL", Vector(b.vel));
    file.writeItem("ATMOSPHERE", b.atmosphere ? "1" : "0");
    file.writeLine("END");
}

bool ReadBody(ScenarioFile& file, const std::string& name, Body& b, std::string& error)
{
    b.name = name;
    file.beginBlock();
    char* line;
    while (file.nextInBlock(line)) {
        std::istringstream in(line);
        std::string key;
        in >> key;
        if (key == "RADIUS") in >> b.radius;
        else if (key == "GM") in >> b.gm;
        else if (key == "OBLIQUITY") in >> b.obliquity;
        else if (key == "THETA") in >> b.theta;
        else if (key == "ROTPERIOD") in >> b.rotationPeriod;
        else if (key == "ROTATION") in >> b.rotationAtZero;
        else if (key == "POS") in >> b.pos.x >> b.pos.y >> b.pos.z;
        else if (key == "VEL") in >> b.vel.x >> b.vel.y >> b.vel.z;
        else if (key == "ATMOSPHERE") in >> b.atmosphere;
        else {
            error = "unknown body item '" + key + "'";
            return false;
        }
        if (in.fail()) {
            error = "malformed number in body item '" + key + "'";
            return false;
        }
    }
    return true;
}

/* Marks the file open for the host functions while it lives. */
class OpenScenario {
public:
    OpenScenario(ScenarioFile*& slot, ScenarioFile& file) : slot_(slot) { slot_ = &file; }
    ~OpenScenario() { slot_ = nullptr; }
    OpenScenario(const OpenScenario&) = delete;
    OpenScenario& operator=(const OpenScenario&) = delete;

private:
    ScenarioFile*& slot_;
};

}  // namespace

bool Host::saveScenario(const std::filesystem::path& path, const std::string& description)
{
    if (runEnded_)
        return false;
    ScenarioFile file = ScenarioFile::ForWriting();
    OpenScenario open(openScenario_, file);
    file.writeLine(magic);
    file.writeLine("BEGIN_DESC");
    if (!description.empty())
        file.writeLine(description);
    file.writeLine("END_DESC");
    file.writeLine("BEGIN_ENVIRONMENT");
    file.writeItem("TIME", Number(world_.simt));
    file.writeItem("MJD", Number(world_.mjdAtZero));
    file.writeItem("GRAVITY", world_.gravity ? "1" : "0");
    file.writeLine("END_ENVIRONMENT");
    file.writeLine("BEGIN_BODIES");
    for (int i = 0; i < world_.bodyCount(); ++i)
        WriteBody(file, *world_.bodyByIndex(i));
    file.writeLine("END_BODIES");
    if (VesselRecord* focus = world_.vessel(world_.focus)) {
        file.writeLine("BEGIN_FOCUS");
        file.writeItem("Ship", focus->name);
        file.writeLine("END_FOCUS");
    }
    file.writeLine("BEGIN_SHIPS");
    for (OBJHANDLE h : world_.vessels()) {
        VesselRecord* v = world_.vessel(h);
        file.writeLine(v->name + ":" + v->className);
        if (v->callbacks)
            v->callbacks->clbkSaveState(file.handle());
        else
            v->iface->SaveDefaultState(file.handle());
        file.writeLine("END");
    }
    file.writeLine("END_SHIPS");
    for (const auto& m : modules_.modules()) {
        if (!m->opcSaveState)
            continue;
        file.writeLine("BEGIN_MODULE " + m->path);
        m->opcSaveState(file.handle());
        file.writeLine("END_MODULE");
    }
    std::ofstream out(path);
    for (const std::string& line : file.lines())
        out << line << '\n';
    return bool(out);
}

bool Host::loadScenario(const std::filesystem::path& path, std::string& error)
{
    std::ifstream in(path);
    if (!in) {
        error = "cannot open " + path.string();
        return false;
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ScenarioFile file = ScenarioFile::ForReading(lines);
    OpenScenario open(openScenario_, file);
    std::string line;
    if (!file.nextLine(line) || line != magic) {
        error = path.string() + ": not a host scenario";
        return false;
    }
    auto fail = [&](const std::string& what) {
        error = path.string() + ":" + std::to_string(file.lineNumber()) + ": " + what;
        return false;
    };

    mfds_.closeAll();
    inputBox_.cancel();
    while (!world_.vessels().empty())
        deleteNow(world_.vessels().back());
    std::string focusName;
    while (file.nextLine(line)) {
        if (line == "BEGIN_DESC") {
            file.beginBlock();
            file.skipBlock();
        } else if (line == "BEGIN_ENVIRONMENT") {
            file.beginBlock();
            char* item;
            while (file.nextInBlock(item)) {
                std::istringstream items(item);
                std::string key;
                items >> key;
                if (key == "TIME") items >> world_.simt;
                else if (key == "MJD") items >> world_.mjdAtZero;
                else if (key == "GRAVITY") items >> world_.gravity;
                else return fail("unknown environment item '" + key + "'");
            }
        } else if (line == "BEGIN_BODIES") {
            world_.clearBodies();
            while (file.nextLine(line) && line != "END_BODIES") {
                Body body;
                std::string bodyError;
                if (!ReadBody(file, line, body, bodyError))
                    return fail(bodyError);
                world_.addBody(body);
            }
        } else if (line == "BEGIN_FOCUS") {
            file.beginBlock();
            char* item;
            while (file.nextInBlock(item)) {
                std::istringstream items(item);
                std::string key;
                items >> key >> focusName;
            }
        } else if (line == "BEGIN_SHIPS") {
            while (file.nextLine(line) && line != "END_SHIPS") {
                size_t colon = line.find(':');
                if (colon == std::string::npos)
                    return fail("expected NAME:CLASS, found '" + line + "'");
                file.beginBlock();
                loadVessel(file, line.substr(0, colon), line.substr(colon + 1));
                file.skipBlock();
            }
        } else if (line.compare(0, 13, "BEGIN_MODULE ") == 0) {
            ModuleInstance* m = modules_.find(line.substr(13));
            file.beginBlock();
            if (m && m->opcLoadState)
                m->opcLoadState(file.handle());
            file.skipBlock();
        } else {
            return fail("unexpected line '" + line + "'");
        }
    }
    if (VesselRecord* focus = world_.vesselByName(focusName.c_str()))
        setFocus(focus->handle);
    return true;
}

}  // namespace emu
