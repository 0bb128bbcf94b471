#include "emulator/runner/script/pilot_actions.h"

#include "emulator/runner/text/fixed_number.h"
#include "emulator/runner/text/near_miss.h"
#include "emulator/runner/text/number_text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace runner {

namespace {

/* Scan codes (set 1) of the letter keys, A to Z. */
const int letterCodes[26] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17, 0x24, 0x25, 0x26, 0x32,
                             0x31, 0x18, 0x19, 0x10, 0x13, 0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};
/* ... and of the digits 0 to 9. */
const int digitCodes[10] = {0x0B, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A};

const int buttonDown = 1;  // the event of a button going down
const int buttonUp = 2;
/* The buttons looked at for a label; an index names one of them. */
const int buttonCount = 32;
const int largestSize = 0xFFFF;  // pixels, each way

struct Verb {
    const char* name;
    size_t minArgs;
    size_t maxArgs;
    const char* usage;
};

const Verb verbs[] = {
    {"open", 3, 8, "open MODE on VESSEL [as NAME] [size WIDTH HEIGHT]"},
    {"key", 2, 2, "key DISPLAY KEY"},
    {"button", 2, 3, "button DISPLAY LABEL|INDEX [up]"},
    {"type", 1, 1, "type TEXT"},
    {"cancel", 0, 0, "cancel"},
    {"show", 1, 1, "show DISPLAY"},
    {"close", 1, 1, "close DISPLAY"},
    {"focus", 1, 2, "focus VESSEL [NTH]"},
    {"delete", 1, 1, "delete VESSEL"},
    {"save", 1, 1, "save FILE"},
    {"load", 1, 1, "load FILE"},
    {"jump", 1, 1, "jump TIME"},
};

const Verb* FindVerb(const std::string& name)
{
    for (const Verb& v : verbs)
        if (name == v.name)
            return &v;
    return nullptr;
}

/* The parts of "open MODE on VESSEL [as NAME] [size W H]". */
struct OpenRequest {
    std::string mode, vessel, name;
    int width = 400, height = 400;
};

bool ReadOpen(const std::vector<std::string>& args, OpenRequest& request, std::string& error)
{
    if (args.size() < 3 || args[1] != "on") {
        error = "expected: open MODE on VESSEL";
        return false;
    }
    request.mode = args[0];
    request.vessel = args[2];
    request.name = args[0];
    for (size_t i = 3; i < args.size();) {
        if (args[i] == "as" && i + 1 < args.size()) {
            request.name = args[i + 1];
            i += 2;
        } else if (args[i] == "size" && i + 2 < args.size()) {
            long long width = 0, height = 0;
            if (!ReadWhole(args[i + 1], 1, largestSize, width) || !ReadWhole(args[i + 2], 1, largestSize, height)) {
                error = "expected a size of 1 to 65535 pixels each way, found '" + args[i + 1] + " " + args[i + 2] +
                        "'";
                return false;
            }
            request.width = int(width);
            request.height = int(height);
            i += 3;
        } else {
            error = "unexpected '" + args[i] + "' (expected: as NAME, size WIDTH HEIGHT)";
            return false;
        }
    }
    return true;
}

}  // namespace

int KeyCode(const std::string& name)
{
    if (name.size() == 1 && std::isalpha(static_cast<unsigned char>(name[0])))
        return letterCodes[std::toupper(static_cast<unsigned char>(name[0])) - 'A'];
    if (name.size() == 1 && std::isdigit(static_cast<unsigned char>(name[0])))
        return digitCodes[name[0] - '0'];
    if (name == "comma")
        return 0x33;
    if (name == "period")
        return 0x34;
    if (name.size() < 3 || name.size() > 4 || name.compare(0, 2, "0x") != 0)
        return -1;
    int code = 0;
    for (size_t i = 2; i < name.size(); ++i) {
        if (!std::isxdigit(static_cast<unsigned char>(name[i])))
            return -1;
        code = code * 16 + (std::isdigit(static_cast<unsigned char>(name[i])) ? name[i] - '0'
                                                                                : std::tolower(name[i]) - 'a' + 10);
    }
    return code;
}

std::string KeyName(int code)
{
    std::vector<std::string> names{"comma", "period"};
    for (char c = 'A'; c <= 'Z'; ++c)
        names.push_back(std::string(1, c));
    for (char c = '0'; c <= '9'; ++c)
        names.push_back(std::string(1, c));
    for (const std::string& name : names)
        if (KeyCode(name) == code)
            return name;
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02x", unsigned(code) & 0xFFu);
    return hex;
}

bool CheckAction(const Action& action, ExpectedWorld& world, std::string& error)
{
    long long nth = 0;
    const Verb* verb = FindVerb(action.verb);
    if (!verb) {
        error = "unknown action '" + action.verb +
                "' (expected open, key, button, type, cancel, show, close, focus, delete, save, load or jump)";
        return false;
    }
    if (action.args.size() < verb->minArgs || action.args.size() > verb->maxArgs) {
        error = std::string("expected: ") + verb->usage;
        return false;
    }
    auto knownDisplay = [&](const std::string& name) {
        if (world.openDisplays.count(name))
            return true;
        error = "no display named '" + name + "' is open here";
        return false;
    };
    if (action.verb == "open") {
        OpenRequest request;
        if (!ReadOpen(action.args, request, error))
            return false;
        world.openDisplays.insert(request.name);
        return true;
    }
    if (action.verb == "key") {
        if (!knownDisplay(action.args[0]))
            return false;
        if (KeyCode(action.args[1]) < 0) {
            std::string meant = NearMiss(action.args[1], {"comma", "period"});
            error = "unknown key '" + action.args[1] + "' (" +
                    (meant.empty() ? "expected a letter, a digit, comma, period or 0x.." : "did you mean '" + meant + "'?") +
                    ")";
            return false;
        }
        return true;
    }
    if (action.verb == "button") {
        if (action.args.size() == 3 && action.args[2] != "up") {
            error = "expected 'up' after the button, found '" + action.args[2] + "'";
            return false;
        }
        // Labels are the display's, known only when it runs; an index is
        // checked here, so that no number stands for another.
        const std::string& which = action.args[1];
        long long index = 0;
        bool digits = !which.empty() && which.find_first_not_of("0123456789") == std::string::npos;
        if (digits && !ReadWhole(which, 0, buttonCount - 1, index)) {
            error = "expected a button label or an index from 0 to " + std::to_string(buttonCount - 1) + ", found '" +
                    which + "'";
            return false;
        }
        return knownDisplay(action.args[0]);
    }
    if (action.verb == "show")
        return knownDisplay(action.args[0]);
    if (action.verb == "close") {
        if (!knownDisplay(action.args[0]))
            return false;
        world.openDisplays.erase(action.args[0]);
        return true;
    }
    if (action.verb == "focus" && action.args.size() == 2 && !ReadWhole(action.args[1], 1, mostOfOneName, nth)) {
        error = "expected which of the vessels of that name, oldest first, from 1, found '" + action.args[1] + "'";
        return false;
    }
    if (action.verb == "load")
        world.openDisplays.clear();  // the loaded world's vessels have none
    if (action.verb == "jump") {
        double to = 0;
        if (std::string why = ReadDecimal(action.args[0], to); !why.empty()) {
            error = "expected the time to jump to in s, found '" + action.args[0] + "' (" + why + ")";
            return false;
        }
    }
    return true;
}

namespace {

/* The vessels living now that carry the name, as the host compares names,
 * oldest first: two bombs fired with the same settings share one. */
std::vector<const emu::VesselRecord*> VesselsNamed(const emu::World& world, const std::string& name)
{
    auto folded = [](std::string text) {
        for (char& c : text)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    const std::string wanted = folded(name);
    std::vector<const emu::VesselRecord*> named;
    for (OBJHANDLE h : world.vessels())
        if (const emu::VesselRecord* v = world.vessel(h); folded(v->details->name) == wanted)
            named.push_back(v);
    std::sort(named.begin(), named.end(),
              [](const emu::VesselRecord* a, const emu::VesselRecord* b) { return a->details->serial < b->details->serial; });
    return named;
}

/* The vessel of that name, or its nth (from 1, oldest first). */
bool FindVessel(emu::Host& host, const std::string& name, OBJHANDLE& handle, std::string& error, long long nth = 1)
{
    std::vector<const emu::VesselRecord*> named = VesselsNamed(host.world(), name);
    if (named.empty()) {
        std::vector<std::string> names;
        for (OBJHANDLE h : host.world().vessels())
            names.push_back(host.world().vessel(h)->details->name);
        std::string meant = NearMiss(name, names);
        error = "no vessel named '" + name + "' exists at " + Fixed(host.world().simt, 2) + " s" +
                (meant.empty() ? "" : " (did you mean '" + meant + "'?)");
        return false;
    }
    if (size_t(nth) > named.size()) {
        error = std::to_string(named.size()) + " vessel(s) named '" + name + "' exist at " +
                Fixed(host.world().simt, 2) + " s, not " + std::to_string(nth);
        return false;
    }
    handle = named[size_t(nth - 1)]->handle;
    return true;
}

}  // namespace

int ButtonIndex(emu::Host& host, int display, const std::string& which)
{
    for (int b = 0; b < buttonCount; ++b)
        if (host.mfds().buttonLabel(display, b) == which)
            return b;
    long long index = -1;
    return ReadWhole(which, 0, buttonCount - 1, index) ? int(index) : -1;
}

namespace {

/* The labels the display shows, in the host's order. */
std::vector<std::string> ButtonLabels(emu::Host& host, int display)
{
    std::vector<std::string> labels;
    for (int b = 0; b < buttonCount; ++b)
        if (std::string label = host.mfds().buttonLabel(display, b); !label.empty())
            labels.push_back(label);
    return labels;
}

/* What the standard reading of a text as a number gives, when the text is
 * not one: the runner passes the text on as typed, and cannot know how the
 * module reads it. "" for a number. */
std::string NumberReading(const std::string& text)
{
    double value = 0;
    if (ReadDecimal(text, value).empty())
        return "";
    char read[32];
    std::snprintf(read, sizeof read, "%g", std::strtod(text.c_str(), nullptr));
    return "\"" + text + "\" is not a number; a module reading it as one reads " + read;
}

}  // namespace

long long NameOrdinal(const emu::World& world, const emu::VesselRecord& vessel)
{
    std::vector<const emu::VesselRecord*> named = VesselsNamed(world, vessel.details->name);
    return std::find(named.begin(), named.end(), &vessel) - named.begin() + 1;
}

bool PerformAction(emu::Host& host, const Action& action, OpenDisplays& displays, FlightLog& log,
                   std::string& error)
{
    const std::vector<std::string>& args = action.args;
    if (action.verb == "open") {
        OpenRequest request;
        OBJHANDLE vessel;
        if (!ReadOpen(args, request, error) || !FindVessel(host, request.vessel, vessel, error))
            return false;
        int display = host.openMfd(request.mode, vessel, request.width, request.height);
        if (display < 0) {
            error = "no display mode '" + request.mode + "' is registered";
            return false;
        }
        displays[request.name] = display;
        log.note("opened " + request.mode + " on " + request.vessel + " as " + request.name);
        return true;
    }
    if (action.verb == "type") {
        if (!host.inputBox().isOpen()) {
            error = "no input box is open to type into";
            return false;
        }
        std::string title = host.inputBox().title();
        bool accepted = host.inputBox().confirm(args[0]);
        std::string reading = NumberReading(args[0]);
        log.note("typed \"" + args[0] + "\" into \"" + title + "\": " + (accepted ? "accepted" : "refused") +
                 (reading.empty() ? "" : "; " + reading));
        return true;
    }
    if (action.verb == "cancel") {
        host.inputBox().cancel();
        log.note("input box cancelled");
        return true;
    }
    if (action.verb == "focus" || action.verb == "delete") {
        OBJHANDLE vessel;
        long long nth = 1;
        if (args.size() == 2 && !ReadWhole(args[1], 1, mostOfOneName, nth)) {
            error = "expected which of the vessels named '" + args[0] + "', from 1, found '" + args[1] + "'";
            return false;
        }
        if (!FindVessel(host, args[0], vessel, error, nth))
            return false;
        if (action.verb == "focus") {
            host.setFocus(vessel);
            log.note("focus on " + args[0] + (nth > 1 ? " (" + args[1] + ")" : ""));
        } else {
            log.note("deleting " + args[0]);
            if (!host.requestDeletion(vessel))
                log.failure("the host refused to delete " + args[0] + " (the last vessel stays)");
            host.processDeletions();
        }
        return true;
    }
    if (action.verb == "save" || action.verb == "load") {
        // Relative to the root folder, which is the host's working directory.
        std::filesystem::path file = args[0];
        std::string why;
        if (action.verb == "save") {
            if (host.saveScenario(file, why))
                log.note("saved the host scenario to " + args[0]);
            else
                log.failure("could not save the host scenario: " + why);
            return true;
        }
        // A load that is refused leaves the world, and its displays, as they were.
        if (!host.loadScenario(file, why)) {
            log.failure("could not load the host scenario: " + why);
            return true;
        }
        displays.clear();
        log.note("loaded the host scenario " + args[0]);
        return true;
    }
    if (action.verb == "jump") {
        // On the clock the actions count by, which after a load is the
        // file's, not the one the modules see.
        double to = 0;
        ReadDecimal(args[0], to);
        emu::World& world = host.world();
        log.note("the clock jumps to " + Fixed(to, 2) + " s");
        if (!host.jumpTime(to - world.sessionStart))
            log.failure("the host refused to move the clock to " + Fixed(to, 2) + " s");
        return true;
    }
    auto found = displays.find(args[0]);
    if (found == displays.end() || !host.mfds().display(found->second)) {
        error = "display '" + args[0] + "' is no longer open";
        return false;
    }
    int display = found->second;
    if (action.verb == "key") {
        log.note("key " + args[1] + " on " + args[0]);
        if (!host.mfds().pressKey(display, DWORD(KeyCode(args[1]))))
            log.note("  (the display ignored the key)");
    } else if (action.verb == "button") {
        int index = ButtonIndex(host, display, args[1]);
        bool up = args.size() == 3;
        // A label no button shows is a flight gone another way than the
        // one the scenario was written for.
        if (index < 0) {
            std::vector<std::string> labels = ButtonLabels(host, display);
            std::string meant = NearMiss(args[1], labels), all;
            for (const std::string& label : labels)
                all += (all.empty() ? "" : ", ") + label;
            error = "display '" + args[0] + "' shows no button '" + args[1] + "' (" +
                    (!meant.empty() ? "did you mean '" + meant + "'?" : labels.empty() ? "it shows none" : "its buttons: " + all) +
                    ")";
            return false;
        }
        log.note("button " + args[1] + (up ? " up" : "") + " on " + args[0]);
        if (!host.mfds().clickButton(display, index, up ? buttonUp : buttonDown))
            log.note("  (the display ignored the button)");
    } else if (action.verb == "show") {
        log.screen(args[0], host.mfds().redraw(display), *host.mfds().display(display));
    } else if (action.verb == "close") {
        host.mfds().close(display);
        displays.erase(found);
        log.note("closed " + args[0]);
    }
    return true;
}

}  // namespace runner
