/* Loading the host's own scenario files in two passes. The first reads and
 * checks the whole file (every block closed, every item of the host's in its
 * shape, every number finite, the clock one that steps can move, the focus
 * one of the file's vessels, every vessel's class file there, the last line
 * there) and touches nothing: a refused file leaves the world as it was.
 *
 * The second is a new session, in the host's order: the old session ends
 * (displays closed, every vessel deleted), the file's world is put in place
 * with the modules' clock at 0, each vessel is made and reads its block,
 * the focus is set, the modules read their blocks, and only then does every
 * vessel get clbkPostCreation. A vessel that cannot be made now, with the
 * old world gone, is a fault that ends the run. */
#include "emulator/host/host.h"

#include "emulator/host/files/bounded_text.h"
#include "emulator/host/files/class_file.h"
#include "emulator/host/files/host_scenario_format.h"
#include "emulator/host/files/scenario_text.h"
#include "emulator/host/files/vessel_state_items.h"
#include "emulator/host/scenario_opening.h"

#include <cmath>
#include <cstdio>

namespace emu {

struct ScenarioBlock {
    std::string name, className;
    size_t first = 0, end = 0;  // lines [first, end); the end line is at end
    int line = 0;
};

struct ScenarioPlan {
    bool hasEnvironment = false;
    double simt = 0, mjd = 51544.5;
    bool gravity = false;
    bool hasBodies = false;
    std::vector<Body> bodies;
    std::string focus;
    bool hasFocus = false;
    std::vector<ScenarioBlock> vessels;
    std::vector<ScenarioBlock> modules;
};

namespace {

/* The whole line as one quoted text */
bool WholeQuotedText(const std::string& line, std::string& text)
{
    size_t at = 0;
    return ReadQuotedText(line, at, text) && at == line.size();
}

/* A 0-or-1 item; false with why for anything else. */
bool FlagItem(const std::string& key, const std::string& rest, bool& value, std::string& why)
{
    std::vector<std::string> words = SplitWords(rest);
    if (words.size() != 1 || (words[0] != "0" && words[0] != "1")) {
        why = key + " must be 0 or 1";
        return false;
    }
    value = words[0] == "1";
    return true;
}

void SplitItem(const std::string& line, std::string& key, std::string& rest)
{
    size_t end = line.find_first_of(" \t");
    key = line.substr(0, end);
    rest = end == std::string::npos ? "" : line.substr(end);
}

/* Reads the lines of a block up to its own end line, which must come
 * before any other end; each line goes to `item`. */
template <typename ItemReader>
bool ReadBlock(ScenarioFile& file, const char* endLine, const char* what, ItemReader item, std::string& why)
{
    std::string line;
    while (file.nextLine(line)) {
        if (line == endLine)
            return true;
        if (IsBlockEnd(line) || line.compare(0, 6, "BEGIN_") == 0) {
            why = std::string(what) + " is not closed by " + endLine + " before '" + line + "'";
            return false;
        }
        if (HasControlByte(line)) {
            why = "a control character in the line";
            return false;
        }
        if (!item(line, why))
            return false;
    }
    why = std::string("the file ends inside ") + what + ": cut short?";
    return false;
}

bool ReadBodyItem(const std::string& line, Body& b, std::string& why)
{
    struct Field {
        const char* key;
        double* values;
        size_t count;
    };
    const Field fields[] = {{"RADIUS", &b.radius, 1},        {"GM", &b.gm, 1},
                            {"OBLIQUITY", &b.obliquity, 1},  {"THETA", &b.theta, 1},
                            {"ROTPERIOD", &b.rotationPeriod, 1}, {"ROTATION", &b.rotationAtZero, 1},
                            {"POS", &b.pos.x, 3},            {"VEL", &b.vel.x, 3}};
    std::string key, rest;
    SplitItem(line, key, rest);
    if (key == "ATMOSPHERE")
        return FlagItem(key, rest, b.atmosphere, why);
    for (const Field& f : fields) {
        if (key != f.key)
            continue;
        double values[3];
        if (!ReadNumbers(rest, values, f.count)) {
            why = "body item " + key + " must hold " + (f.count == 1 ? "one finite number" : "three finite numbers");
            return false;
        }
        // As the runner's scenario holds a planet: a radius above zero, a GM
        // not below it.
        if ((key == "RADIUS" && !(values[0] > 0)) || (key == "GM" && values[0] < 0)) {
            why = key == "RADIUS" ? "body item RADIUS must be more than 0 m" : "body item GM must not be negative";
            return false;
        }
        for (size_t i = 0; i < f.count; ++i)
            f.values[i] = values[i];
        return true;
    }
    why = "unknown body item '" + key + "'";
    return false;
}

bool ReadEnvironmentItem(const std::string& line, ScenarioPlan& plan, std::string& why)
{
    std::string key, rest;
    SplitItem(line, key, rest);
    if (key == "GRAVITY")
        return FlagItem(key, rest, plan.gravity, why);
    if (key != "TIME" && key != "MJD") {
        why = "unknown environment item '" + key + "'";
        return false;
    }
    double value;
    if (!ReadNumbers(rest, &value, 1)) {
        why = key + " must hold one finite number, found '" + rest + "'";
        return false;
    }
    if (key == "MJD") {
        plan.mjd = value;
        return true;
    }
    if (std::fabs(value) > scenarioClockLimit) {
        why = "TIME " + NumberText(value) + " s is beyond what the clock may start from (" +
              NumberText(scenarioClockLimit) + " s either way), where steps could no longer move it";
        return false;
    }
    plan.simt = value;
    return true;
}

/* A vessel's block: the host's items in their shape; for a class no module
 * implements, nothing else, as the host reads that block itself. */
bool ReadVesselItem(const std::string& line, bool hostReads, std::string& why)
{
    StateItemValue value;
    switch (ReadStateItem(line, value, why)) {
    case StateItemRead::Read:
        return true;
    case StateItemRead::Malformed:
        return false;
    case StateItemRead::NotAStateItem:
        if (!hostReads)
            return true;
        why = "unknown vessel item '" + line + "'";
        return false;
    }
    return false;
}

}  // namespace

bool Host::checkScenario(ScenarioFile& file, ScenarioPlan& plan, std::string& why)
{
    std::string line;
    while (file.nextLine(line)) {
        if (line == scenarioLastLine) {
            if (file.nextLine(line)) {
                why = "'" + line + "' after " + scenarioLastLine;
                return false;
            }
            for (const ScenarioBlock& v : plan.vessels)
                if (v.name == plan.focus)
                    return true;
            if (!plan.hasFocus)
                return true;
            why = "the focus names no vessel of the file: " + QuoteText(plan.focus);
            return false;
        }
        if (HasControlByte(line)) {
            why = "a control character in the line";
            return false;
        }
        bool read = true;
        if (line == "BEGIN_DESC") {
            read = ReadBlock(
                file, "END_DESC", "the description",
                [](const std::string& l, std::string& w) {
                    std::string text;
                    if (WholeQuotedText(l, text))
                        return true;
                    w = "a description line must be one quoted text";
                    return false;
                },
                why);
        } else if (line == "BEGIN_ENVIRONMENT") {
            plan.hasEnvironment = true;
            read = ReadBlock(
                file, "END_ENVIRONMENT", "the environment",
                [&plan](const std::string& l, std::string& w) { return ReadEnvironmentItem(l, plan, w); }, why);
        } else if (line == "BEGIN_BODIES") {
            plan.hasBodies = true;
            read = ReadBlock(
                file, "END_BODIES", "the bodies",
                [&](const std::string& l, std::string& w) {
                    Body body;
                    if (!WholeQuotedText(l, body.name)) {
                        w = "expected a body's name as a quoted text, found '" + l + "'";
                        return false;
                    }
                    plan.bodies.push_back(body);
                    return ReadBlock(
                        file, "END", "a body's block",
                        [&plan](const std::string& item, std::string& w2) {
                            return ReadBodyItem(item, plan.bodies.back(), w2);
                        },
                        w);
                },
                why);
        } else if (line == "BEGIN_FOCUS") {
            read = ReadBlock(
                file, "END_FOCUS", "the focus",
                [&plan](const std::string& l, std::string& w) {
                    if (l.compare(0, 5, "Ship ") == 0 && WholeQuotedText(l.substr(5), plan.focus)) {
                        plan.hasFocus = true;
                        return true;
                    }
                    w = "expected: Ship \"NAME\"";
                    return false;
                },
                why);
        } else if (line == "BEGIN_SHIPS") {
            read = ReadBlock(
                file, "END_SHIPS", "the vessels",
                [&](const std::string& l, std::string& w) {
                    ScenarioBlock v;
                    size_t at = 0;
                    if (!ReadQuotedText(l, at, v.name) || at >= l.size() || l[at] != ':' ||
                        !ReadQuotedText(l, ++at, v.className) || at != l.size()) {
                        w = "expected \"NAME\":\"CLASS\", found '" + l + "'";
                        return false;
                    }
                    v.line = file.lineNumber();
                    v.first = size_t(file.lineNumber());
                    std::shared_ptr<const ClassFile> classFile = classFiles_.read(v.className);
                    const ClassFile& cls = *classFile;
                    if (!cls.found) {
                        w = "vessel " + QuoteText(v.name) + ": no class file " + cls.path;
                        return false;
                    }
                    if (!cls.problem.empty()) {
                        w = "vessel " + QuoteText(v.name) + ": " + cls.problem;
                        return false;
                    }
                    std::string modulePath = cls.value("Module");
                    if (!modulePath.empty() && !modules_.loadable(modulePath)) {
                        w = "vessel " + QuoteText(v.name) + ": its class's module " + modulePath +
                            " cannot be loaded";
                        return false;
                    }
                    bool hostReads = modulePath.empty();
                    if (!ReadBlock(
                            file, "END", "a vessel's block",
                            [hostReads](const std::string& item, std::string& w2) {
                                return ReadVesselItem(item, hostReads, w2);
                            },
                            w))
                        return false;
                    v.end = size_t(file.lineNumber() - 1);
                    plan.vessels.push_back(v);
                    return true;
                },
                why);
        } else if (line.compare(0, 13, "BEGIN_MODULE ") == 0) {
            ScenarioBlock m;
            if (!WholeQuotedText(line.substr(13), m.name)) {
                why = "expected BEGIN_MODULE \"PATH\"";
                return false;
            }
            m.first = size_t(file.lineNumber());
            read = ReadBlock(
                file, "END_MODULE", "a module's block", [](const std::string&, std::string&) { return true; }, why);
            m.end = size_t(file.lineNumber() - 1);
            plan.modules.push_back(m);
        } else {
            why = "unexpected line '" + line + "'";
            return false;
        }
        if (!read)
            return false;
    }
    why = std::string("the file ends before its last line ") + scenarioLastLine + ": cut short?";
    return false;
}

namespace {

/* Puts the bodies in place: where their number stays, each keeps its handle. */
void PlaceBodies(World& world, const std::vector<Body>& bodies)
{
    if (int(bodies.size()) == world.bodyCount()) {
        for (size_t i = 0; i < bodies.size(); ++i) {
            Body* b = world.bodyByIndex(int(i));
            OBJHANDLE handle = b->handle;
            *b = bodies[i];
            b->handle = handle;
        }
        return;
    }
    world.clearBodies();
    for (const Body& b : bodies)
        world.addBody(b);
}

}  // namespace

bool Host::buildScenario(ScenarioFile& file, const ScenarioPlan& plan, std::string& why)
{
    endSession();
    if (plan.hasEnvironment) {
        world_.simt = plan.simt;
        world_.mjdAtZero = plan.mjd;
        world_.gravity = plan.gravity;
    }
    if (plan.hasBodies)
        PlaceBodies(world_, plan.bodies);
    world_.sessionStart = world_.simt;
    std::vector<OBJHANDLE> made;
    OBJHANDLE focus = nullptr;
    for (const ScenarioBlock& v : plan.vessels) {
        file.openBlock(v.first, v.end);
        OBJHANDLE h = loadVessel(file, v.name, v.className);
        if (!h || !file.refusal().empty()) {
            why = file.refusal().empty() ? "the host could not make vessel " + QuoteText(v.name) : file.refusal();
            if (!file.refusal().empty())
                why = "line " + std::to_string(file.refusalLine()) + ": " + why;
            fail("loading a scenario", why);
            return false;
        }
        made.push_back(h);
        if (v.name == plan.focus && !focus)
            focus = h;
    }
    // Every vessel of the file is placed at once: each finds its proxy
    // among all of them.
    proxies_.settlePlacements(world_, true);
    if (!focus && !made.empty())
        focus = made.front();
    setFocus(focus);
    for (const ScenarioBlock& m : plan.modules) {
        ModuleInstance* module = modules_.find(m.name);
        file.openBlock(m.first, m.end);
        if (module && module->opcLoadState)
            module->opcLoadState(file.handle());
    }
    for (OBJHANDLE h : made)
        if (VesselRecord* v = world_.vessel(h); v && v->callbacks)
            v->callbacks->clbkPostCreation();
    startSession();
    return true;
}

bool Host::loadScenario(const std::filesystem::path& path, std::string& error)
{
    std::vector<std::string> lines;
    if (!ReadLinesWithin(path, hostScenarioLimits, lines, error))
        return false;
    if (!lines.empty() && lines[0].compare(0, 3, "\xEF\xBB\xBF") == 0)
        lines[0].erase(0, 3);
    ScenarioFile file = ScenarioFile::ForReading(lines);
    ScenarioOpening open(openScenario_, file);
    std::string line;
    if (!file.nextLine(line) || line != scenarioMagic) {
        error = path.string() + ": not a host scenario (its first line is not " + scenarioMagic + ")";
        return false;
    }
    ScenarioPlan plan;
    std::string why;
    if (!checkScenario(file, plan, why)) {
        error = path.string() + ":" + std::to_string(file.lineNumber()) + ": " + why;
        return false;
    }
    observer_->scenarioLoading(lines);
    if (!buildScenario(file, plan, why)) {
        error = path.string() + ": " + why + "; the old session had ended, and the run ends with it";
        return false;
    }
    return true;
}

}  // namespace emu
