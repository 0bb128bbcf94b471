#include "emulator/runner/outputs/run_ending.h"

#include "emulator/runner/text/fixed_number.h"
#include "emulator/runner/text/printable_text.h"

namespace runner {

std::string RunEnding::text() const
{
    std::string at = "at t = " + Fixed(time, 2) + " s";
    switch (kind) {
    case Kind::failed: return "stopped " + at + " by an error: " + Printable(reason);
    case Kind::interrupted: return "was interrupted by " + reason + " " + at;
    case Kind::halted: return "was ended " + at + " at a library's request, with nothing saved";
    case Kind::endedByPilot: return "was ended by the pilot (" + reason + ") " + at;
    case Kind::completed: break;
    }
    return "completed " + at;
}

const char* RunEnding::name() const
{
    const char* const names[] = {"completed", "failed", "interrupted", "halted", "ended"};
    return names[int(kind)];
}

}  // namespace runner
