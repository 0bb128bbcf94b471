#include "live_request.h"

#include "flat_json.h"
#include "recorded_scenario.h"
#include "saved_scenarios.h"

#include "emulator/runner/text/number_text.h"
#include "emulator/runner/script/pilot_actions.h"

#include <limits>

namespace live {

namespace {

const int buttonsShown = 12;  // six a side
const int highestKey = 255;

struct Decoding {
    const JsonFields& fields;
    const KnownWorld& world;
    std::string& error;

    bool text(const char* name, std::string& out)
    {
        auto it = fields.find(name);
        if (it == fields.end() || it->second.isNumber) {
            error = std::string("expected a text \"") + name + "\"";
            return false;
        }
        out = it->second.text;
        return true;
    }

    bool whole(const char* name, long long low, long long high, long long& out)
    {
        auto it = fields.find(name);
        if (it == fields.end() || !it->second.isNumber || !runner::ReadWhole(it->second.text, low, high, out)) {
            error = std::string("expected \"") + name + "\" as a whole number from " + std::to_string(low) +
                    " to " + std::to_string(high);
            return false;
        }
        return true;
    }

    bool display(std::string& out, bool mustBeOpen)
    {
        if (!text("display", out))
            return false;
        if (out != "L" && out != "R") {
            error = "no display \"" + out + "\" (the displays are L and R)";
            return false;
        }
        if (mustBeOpen && !world.openDisplays.count(out)) {
            error = "display " + out + " shows no mode";
            return false;
        }
        return true;
    }
};

bool DecodeAction(const std::string& verb, Decoding& d, runner::Action& action, std::uint64_t& vessel)
{
    action.verb = verb;
    std::vector<std::string>& args = action.args;
    std::string display;
    if (verb == "open") {
        std::string mode;
        if (!d.display(display, false) || !d.text("mode", mode))
            return false;
        if (mode == "none") {
            action.verb = "close";
            args = {display};
            return true;
        }
        if (!d.world.modes.count(mode)) {
            d.error = "no display mode \"" + mode + "\" is registered";
            return false;
        }
        args = {mode, "on", "", "as", display};
        return true;
    }
    if (verb == "key") {
        long long key = 0;
        if (!d.display(display, true) || !d.whole("key", 0, highestKey, key))
            return false;
        args = {display, runner::KeyName(int(key))};
        return true;
    }
    if (verb == "button") {
        long long index = 0;
        if (!d.display(display, true) || !d.whole("index", 0, buttonsShown - 1, index))
            return false;
        args = {display, std::to_string(index)};
        return true;
    }
    if (verb == "type") {
        std::string text;
        if (!d.text("text", text))
            return false;
        if (text.size() > longestTypedText) {
            d.error = "the text is longer than the input box's " + std::to_string(longestTypedText) + " characters";
            return false;
        }
        if (!Recordable(text)) {
            d.error = "a scenario cannot hold the text: a control character, or a '\"' with a blank or a '#'";
            return false;
        }
        args = {text};
        return true;
    }
    if (verb == "cancel")
        return true;
    if (verb == "focus") {
        long long serial = 0;
        if (!d.whole("vessel", 0, std::numeric_limits<long long>::max(), serial))
            return false;
        if (!d.world.vessels.count(std::uint64_t(serial))) {
            d.error = "no vessel " + std::to_string(serial) + " (it may have gone)";
            return false;
        }
        vessel = std::uint64_t(serial);
        return true;
    }
    if (verb == "save" || verb == "load") {
        std::string name;
        if (!d.text("name", name) || !ScenarioName(name, d.error))
            return false;
        // Whether NAME.scn is there is for the session to find when it
        // loads: the page's list may leave it out, or be older than the file.
        args = {ScenarioFile(name)};
        return true;
    }
    d.error = "unknown action \"" + verb + "\" (expected open, key, button, type, cancel, focus, save, load, pause, "
              "resume, step or warp)";
    return false;
}

}  // namespace

bool DecodeRequest(const std::string& body, const KnownWorld& world, LiveCommand& command, std::string& error)
{
    JsonFields fields;
    if (!ReadFlatJson(body, fields, error))
        return false;
    Decoding d{fields, world, error};
    std::string verb;
    if (!d.text("do", verb))
        return false;
    const std::pair<const char*, Control> controls[] = {
        {"pause", Control::pause}, {"resume", Control::resume}, {"step", Control::step}};
    for (const auto& [name, control] : controls)
        if (verb == name) {
            command.control = control;
            return true;
        }
    if (verb == "warp") {
        long long x = 0;
        if (!d.whole("x", 1, 1000, x))
            return false;
        if (x != 1 && x != 10 && x != 100 && x != 1000) {
            error = "time acceleration is 1, 10, 100 or 1000";
            return false;
        }
        command.control = Control::warp;
        command.warp = double(x);
        return true;
    }
    command.control = Control::action;
    if (world.full) {
        error = "the session holds as much as a scenario can: take it home, and fly on from a new one";
        return false;
    }
    return DecodeAction(verb, d, command.action, command.vessel);
}

}  // namespace live
