#include "emulator/runner/script/scenario_script.h"

#include "emulator/runner/text/number_text.h"
#include "emulator/runner/script/pilot_actions.h"
#include "emulator/runner/text/printable_text.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <unordered_set>

namespace runner {

// A scenario of 100,000 vessels is about 6 MB; an action holds a few words.
const emu::TextLimits scenarioLimits{"a scenario", 32u << 20, 64u << 10, 1u << 20};
const size_t maxActionWords = 8;

const std::vector<Plugin> rootPlugins{{"brimstar", "plugin\\brimstar!"}};

std::vector<std::string> RootPluginPaths()
{
    std::vector<std::string> paths;
    for (const Plugin& p : rootPlugins)
        paths.push_back(p.modulePath);
    return paths;
}

namespace {

std::string PluginNames()
{
    std::string names;
    for (const Plugin& p : rootPlugins)
        names += (names.empty() ? "" : ", ") + std::string(p.name);
    return names;
}

namespace fs = std::filesystem;

/* The words of one statement, read from the left. */
class Statement {
public:
    Statement(std::vector<std::string> words, std::string where) : words_(std::move(words)), where_(std::move(where)) {}

    bool done() const { return next_ >= words_.size(); }
    const std::string& where() const { return where_; }

    bool word(std::string& out, const char* what, std::string& error)
    {
        if (done())
            return fail(std::string("expected ") + what, error);
        out = words_[next_++];
        return true;
    }

    bool number(double& out, const char* what, std::string& error)
    {
        std::string text;
        if (!word(text, what, error))
            return false;
        std::string problem = ReadDecimal(text, out);
        if (problem == "not a number")
            return fail(std::string("expected ") + what + " as a number, found '" + text + "'", error);
        if (!problem.empty())
            return fail(std::string("expected ") + what + ", found '" + text + "': " + problem, error);
        return true;
    }

    bool vector(VECTOR3& out, const char* what, std::string& error)
    {
        return number(out.x, what, error) && number(out.y, what, error) && number(out.z, what, error);
    }

    bool fail(const std::string& what, std::string& error) const
    {
        error = where_ + ": " + what;
        return false;
    }

private:
    std::vector<std::string> words_;
    std::string where_;
    size_t next_ = 0;
};

using FieldReader = std::function<bool(Statement&, std::string&)>;

/* Reads "name value..." pairs until the statement ends. */
bool ReadFields(Statement& s, const std::map<std::string, FieldReader>& fields, std::string& error)
{
    while (!s.done()) {
        std::string field;
        s.word(field, "a field", error);
        auto it = fields.find(field);
        if (it == fields.end()) {
            std::string known;
            for (const auto& f : fields)
                known += (known.empty() ? "" : ", ") + f.first;
            return s.fail("unknown field '" + field + "' (expected one of: " + known + ")", error);
        }
        if (!it->second(s, error))
            return false;
    }
    return true;
}

FieldReader Number(double& target, const char* what)
{
    return [&target, what](Statement& s, std::string& e) { return s.number(target, what, e); };
}

FieldReader Vector(VECTOR3& target, const char* what)
{
    return [&target, what](Statement& s, std::string& e) { return s.vector(target, what, e); };
}

bool ReadPlanet(Statement& s, Script& script, std::string& error)
{
    emu::Body& p = script.planet;
    if (!s.word(p.name, "the planet's name", error))
        return false;
    bool read = ReadFields(s,
                      {{"radius", Number(p.radius, "a radius in m")},
                       {"gm", Number(p.gm, "GM in m^3/s^2")},
                       {"obliquity", Number(p.obliquity, "an obliquity in rad")},
                       {"theta", Number(p.theta, "theta in rad")},
                       {"period", Number(p.rotationPeriod, "a rotation period in s")},
                       {"rotation", Number(p.rotationAtZero, "a rotation angle in rad")}},
                      error);
    if (!read)
        return false;
    if (p.radius <= 0)
        return s.fail("the planet's radius must be more than 0 m", error);
    return p.gm >= 0 ? true : s.fail("the planet's GM must not be negative", error);
}

/* names: the vessels' names so far, so a name twice is found at once. */
bool ReadVessel(Statement& s, Script& script, std::unordered_set<std::string>& names, int line, std::string& error)
{
    VesselSpec v;
    v.line = line;
    if (!s.word(v.name, "the vessel's name", error))
        return false;
    if (v.name.empty())
        return s.fail("a vessel needs a name", error);
    bool positioned = false;
    std::map<std::string, FieldReader> fields{
        {"class", [&v](Statement& st, std::string& e) { return st.word(v.className, "a class name", e); }},
        {"pos",
         [&v, &positioned](Statement& st, std::string& e) {
             positioned = true;
             return st.vector(v.pos, "a position x y z in m", e);
         }},
        {"vel", Vector(v.vel, "a velocity x y z in m/s")}};
    if (!ReadFields(s, fields, error))
        return false;
    if (v.className.empty())
        return s.fail("vessel '" + v.name + "' needs a class", error);
    if (!names.insert(v.name).second)
        return s.fail("vessel '" + v.name + "' is defined twice", error);
    // The host would put a vessel without one at the planet's centre.
    if (!positioned)
        return s.fail("vessel '" + v.name + "' needs a position (pos X Y Z in m, relative to the planet)", error);
    script.vessels.push_back(v);
    return true;
}

bool ReadAction(Statement& s, Script& script, int line, std::string& error)
{
    Action action;
    action.line = line;
    if (!s.number(action.time, "a time in s", error) || !s.word(action.verb, "an action", error))
        return false;
    // A load sets the clock to the loaded file's time, and a jump to its
    // own, either of which may be earlier, even below 0: the actions after
    // it count from there.
    auto movesClock = [](const Action& a) { return a.verb == "load" || a.verb == "jump"; };
    if (action.time < 0 && std::none_of(script.actions.begin(), script.actions.end(), movesClock))
        return s.fail("the time must not be negative", error);
    if (!script.actions.empty() && !movesClock(script.actions.back()) && action.time < script.actions.back().time)
        return s.fail("time goes backwards: this action comes before the one above it", error);
    for (std::string word; !s.done();) {
        if (action.args.size() == maxActionWords)
            return s.fail("more words than any action takes (" + std::to_string(maxActionWords) + ")", error);
        s.word(word, "a word", error);
        action.args.push_back(word);
    }
    script.actions.push_back(action);
    return true;
}

/* "plugins NAME..." or "plugins none": the plug-ins the pilot left active */
bool ReadPlugins(Statement& s, Script& script, std::string& error)
{
    script.plugins.clear();
    std::string name;
    if (!s.word(name, "a plug-in's name, or none", error))
        return false;
    if (name == "none")
        return s.done() ? true : s.fail("nothing may follow 'none'", error);
    for (;;) {
        auto known = std::find_if(rootPlugins.begin(), rootPlugins.end(),
                                  [&name](const Plugin& p) { return name == p.name; });
        if (known == rootPlugins.end())
            return s.fail("unknown plug-in '" + name + "' (the root holds " + PluginNames() + ")", error);
        if (std::find(script.plugins.begin(), script.plugins.end(), known->modulePath) == script.plugins.end())
            script.plugins.push_back(known->modulePath);
        if (s.done())
            return true;
        s.word(name, "a plug-in's name", error);
    }
}

bool ReadStatement(Statement& s, Script& script, std::unordered_set<std::string>& vesselNames, int line,
                   std::string& error)
{
    std::string keyword;
    s.word(keyword, "a keyword", error);
    if (keyword == "planet")
        return ReadPlanet(s, script, error);
    if (keyword == "vessel")
        return ReadVessel(s, script, vesselNames, line, error);
    if (keyword == "focus")
        return s.word(script.focus, "the name of the vessel in focus", error);
    if (keyword == "gravity") {
        std::string value;
        if (!s.word(value, "on or off", error))
            return false;
        if (value != "on" && value != "off")
            return s.fail("expected on or off, found '" + value + "'", error);
        script.gravity = value == "on";
        return true;
    }
    if (keyword == "step") {
        script.stepLine = line;
        if (!s.number(script.step, "a step length in s", error))
            return false;
        return script.step > 0 ? true : s.fail("the step must be longer than 0 s", error);
    }
    if (keyword == "run") {
        script.runLine = line;
        if (!s.number(script.duration, "a duration in s", error))
            return false;
        return script.duration >= 0 ? true : s.fail("the duration must not be negative", error);
    }
    if (keyword == "plugins")
        return ReadPlugins(s, script, error);
    if (keyword == "at")
        return ReadAction(s, script, line, error);
    return s.fail(
        "unknown keyword '" + keyword + "' (expected planet, vessel, focus, gravity, plugins, step, run or at)",
        error);
}

bool IsControl(unsigned char c)
{
    return c < 0x20 || c == 0x7F;
}

/* The words of a line; a word in double quotes may hold blanks and "#". No
 * word holds a control character: a name with a zero byte in it would name
 * another vessel where the host reads it up to the zero. Empty when the
 * line splits, else why not. */
std::string SplitWords(const std::string& line, std::vector<std::string>& words)
{
    auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    for (char c : line)
        if (IsControl(static_cast<unsigned char>(c)) && !blank(c))
            return "a control character (" + Printable(std::string(1, c)) + ") has no place in a scenario";
    size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == '#')
            break;
        if (blank(c)) {
            ++i;
        } else if (c == '"') {
            size_t end = line.find('"', i + 1);
            if (end == std::string::npos)
                return "a quoted text is not closed";
            std::string word = line.substr(i + 1, end - i - 1);
            for (char q : word)
                if (IsControl(static_cast<unsigned char>(q)))
                    return "a quoted text holds a control character (" + Printable(std::string(1, q)) + ")";
            words.push_back(word);
            i = end + 1;
        } else {
            size_t end = i;
            while (end < line.size() && !blank(line[end]) && line[end] != '#')
                ++end;
            words.push_back(line.substr(i, end - i));
            i = end;
        }
    }
    return "";
}

/* Why a file cannot be read as a scenario, in the words a user knows; empty
 * when nothing is known against it. */
std::string UnreadableFileProblem(const std::string& path)
{
    std::error_code unknown;
    fs::file_status status = fs::status(path, unknown);
    if (status.type() == fs::file_type::not_found)
        return "no such file";
    if (status.type() == fs::file_type::directory)
        return "it is a folder";
    return "";
}

}  // namespace

bool ParseScript(const std::string& name, const std::string& text, Script& script, std::string& error)
{
    script = Script();
    script.file = name;
    // A byte-order mark is how some editors begin a UTF-8 file.
    const std::string byteOrderMark = "\xEF\xBB\xBF";
    std::istringstream in(text.compare(0, byteOrderMark.size(), byteOrderMark) == 0 ? text.substr(byteOrderMark.size())
                                                                                   : text);
    std::string line;
    std::unordered_set<std::string> vesselNames;
    for (int number = 1; std::getline(in, line); ++number) {
        std::vector<std::string> parts;
        if (std::string problem = SplitWords(line, parts); !problem.empty()) {
            error = name + ":" + std::to_string(number) + ": " + problem;
            return false;
        }
        if (parts.empty())
            continue;
        Statement statement(parts, name + ":" + std::to_string(number));
        if (!ReadStatement(statement, script, vesselNames, number, error))
            return false;
    }
    if (!script.focus.empty()) {
        if (!vesselNames.count(script.focus)) {
            error = name + ": the focus names no vessel: '" + script.focus + "'";
            return false;
        }
    }
    ExpectedWorld world;
    for (const Action& action : script.actions)
        if (!CheckAction(action, world, error)) {
            error = name + ":" + std::to_string(action.line) + ": " + error;
            return false;
        }
    return true;
}

bool ReadScript(const std::string& path, Script& script, std::string& error)
{
    std::string why = UnreadableFileProblem(path);
    if (!why.empty()) {
        error = path + ": cannot read the scenario: " + why;
        return false;
    }
    std::vector<std::string> lines;
    if (!emu::ReadLinesWithin(path, scenarioLimits, lines, error))
        return false;
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return ParseScript(path, text, script, error);
}

}  // namespace runner
