/* What the page asks of the live world, decoded and checked: a pilot's
 * action (carried out between steps and recorded, as a scenario's action)
 * or a command on time (pause, resume, one step, time acceleration, never
 * recorded: a replay steps the same steps without them).
 *
 * A request is one JSON object, {"do": VERB, ...}:
 *   open   display L|R, mode NAME|"none"   (opens on the vessel in focus)
 *   key    display, key 0..255             (the host's key code)
 *   button display, index 0..11
 *   type   text (at most 127 characters, no '"')
 *   cancel
 *   focus  vessel SERIAL                    (the host's creation order: names repeat)
 *   save   name                            (the host's scenario, NAME.scn)
 *   load   name                            (NAME.scn, listed on the page or not)
 *   pause, resume, step, warp x 1|10|100|1000 */
#ifndef BRIMSTAR_RUNNER_LIVE_LIVE_REQUEST_H
#define BRIMSTAR_RUNNER_LIVE_LIVE_REQUEST_H

#include "emulator/runner/script/scenario_script.h"

#include <cstdint>
#include <set>
#include <string>

namespace live {

enum class Control { action, pause, resume, step, warp };

struct LiveCommand {
    Control control = Control::action;
    double warp = 1.0;
    /* For an action: its verb and words as a scenario writes them. An open's
     * vessel is left empty: it is the focus when the action is carried out. */
    runner::Action action;
    /* For a focus: the vessel, by its serial; its words are written when
     * it is carried out, as a scenario tells it from others of its name. */
    std::uint64_t vessel = 0;
};

/* What a request is checked against: the world as last published. */
struct KnownWorld {
    std::set<std::uint64_t> vessels;  // by serial
    std::set<std::string> modes;
    std::set<std::string> openDisplays;  // "L", "R"
    /* The session has recorded as much as a scenario holds: no action more. */
    bool full = false;
};

/* The longest text the host's input box takes. */
const size_t longestTypedText = 127;

/* The request's command; false with why not, for the page to show. */
bool DecodeRequest(const std::string& body, const KnownWorld& world, LiveCommand& command, std::string& error);

}  // namespace live

#endif
