#include "recorded_scenario.h"

#include "emulator/runner/text/printable_text.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace live {

namespace {

std::string Exact(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

bool Control(char c)
{
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

/* Read bare, a word runs to a blank or a '#'; read quoted, to the next '"'.
 * The reader knows no escapes, so a word holding a '"' can only go bare. */
bool Bare(const std::string& text)
{
    return !text.empty() && text.front() != '"' && text.find_first_of(" #") == std::string::npos;
}

/* Quoted unless it holds a '"'; see Recordable for what neither way holds. */
std::string Word(const std::string& text)
{
    return text.find('"') == std::string::npos ? '"' + text + '"' : text;
}

std::string Vector(const VECTOR3& v)
{
    return Exact(v.x) + " " + Exact(v.y) + " " + Exact(v.z);
}

/* The plugins statement, for a flight whose plug-ins were not the root's */
std::string Plugins(const std::vector<std::string>& paths)
{
    if (paths.empty())
        return "plugins none\n";
    std::string line = "plugins";
    for (const runner::Plugin& p : runner::rootPlugins)
        if (std::find(paths.begin(), paths.end(), p.modulePath) != paths.end())
            line += ' ' + std::string(p.name);
    return line + '\n';
}

}  // namespace

bool Recordable(const std::string& word)
{
    if (std::any_of(word.begin(), word.end(), Control))
        return false;
    return word.find('"') == std::string::npos || Bare(word);
}

std::string RecordedWorld(const runner::Script& start)
{
    std::ostringstream out;
    out << "# Flown live from " << runner::Printable(start.file) << "; played back, the same steps to the same trajectory.\n";
    const emu::Body& p = start.planet;
    out << "planet " << Word(p.name) << " radius " << Exact(p.radius) << " gm " << Exact(p.gm) << " obliquity "
        << Exact(p.obliquity) << " theta " << Exact(p.theta) << " period " << Exact(p.rotationPeriod)
        << " rotation " << Exact(p.rotationAtZero) << '\n';
    out << "gravity " << (start.gravity ? "on" : "off") << '\n';
    if (start.plugins != runner::RootPluginPaths())
        out << Plugins(start.plugins);
    for (const runner::VesselSpec& v : start.vessels)
        out << "vessel " << Word(v.name) << " class " << Word(v.className) << " pos " << Vector(v.pos) << " vel "
            << Vector(v.vel) << '\n';
    if (!start.focus.empty())
        out << "focus " << Word(start.focus) << '\n';
    out << "step " << Exact(start.step) << "\n\n";
    return out.str();
}

std::string RecordedAction(const runner::Action& action)
{
    std::string line = "at " + Exact(action.time) + ' ' + action.verb;
    for (const std::string& word : action.args)
        line += ' ' + Word(word);
    return line + '\n';
}

std::string RecordedEnd(double end)
{
    return "run " + Exact(end) + '\n';
}

}  // namespace live
