/* The live page's request handling, as any client may drive it: the head
 * counted as it arrives, the JSON reader and the action decoder. A head is
 * judged the same whatever pieces it comes in; a request taken must come
 * back unchanged from the scenario the session exports, so that a replay
 * does what the pilot did. */
#include "emulator/runner/live/session/live_request.h"
#include "emulator/runner/live/session/recorded_scenario.h"
#include "emulator/runner/live/http/request_head.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void CountHead(const char* text, std::size_t size)
{
    const live::HeadLimits limits{8, 256};
    live::RequestHead whole(limits), inPieces(limits);
    whole.take(text, size);
    // Pieces as long as the first byte says.
    const std::size_t piece = size ? std::size_t(std::uint8_t(text[0]) % 16 + 1) : 1;
    for (std::size_t at = 0; at < size; at += piece)
        inPieces.take(text + at, std::min(piece, size - at));
    if (whole.state() != inPieces.state())
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CountHead(reinterpret_cast<const char*>(data), size);
    // Vessels by serial: GL-01 is 1 and ISS A is 2, as the world below makes them.
    static const live::KnownWorld world{{1, 2}, {"Weapons", "Collision Control"}, {"L"}};
    live::LiveCommand command;
    std::string error;
    if (!live::DecodeRequest(std::string(reinterpret_cast<const char*>(data), size), world, command, error)) {
        if (error.empty())
            std::abort();  // a refusal always says why
        return 0;
    }
    if (command.control != live::Control::action)
        return 0;
    runner::Script start;
    start.file = "fuzz";
    start.vessels.push_back({"GL-01", "Ship", {7e6, 0, 0}, {0, 0, 0}, 1});
    start.vessels.push_back({"ISS A", "Ship", {7e6, 0, 10}, {0, 0, 0}, 2});
    runner::Action action = command.action;
    if (action.verb == "open")
        action.args[2] = "GL-01";
    // A focus names its vessel when it is carried out, as the session does.
    if (action.verb == "focus")
        action.args = {command.vessel == 1 ? "GL-01" : "ISS A"};
    // The display an action names is open in the scenario too.
    const runner::Action open{0.5, 0, "open", {"Weapons", "on", "GL-01", "as", "L"}};
    action.time = 1.0;
    const std::string recorded =
        live::RecordedWorld(start) + live::RecordedAction(open) + live::RecordedAction(action) + live::RecordedEnd(2.0);
    runner::Script back;
    if (!runner::ParseScript("live.scn", recorded, back, error))
        std::abort();
    if (back.actions.size() != 2 || back.actions[1].verb != action.verb || back.actions[1].args != action.args)
        std::abort();
    return 0;
}
