#include "support/played_script.h"

#include <sstream>

namespace testing_support {

Played PlayWithLog(const EmulatedRoot& root, const runner::Script& script, std::uint64_t maxSteps)
{
    std::ostringstream out;
    std::string error;
    emu::Host host(root.path());
    runner::FlightLog log(host, out);
    host.setObserver(&log);
    bool played = runner::PlayScript(host, script, log, error, maxSteps);
    host.setObserver(nullptr);
    return {played, log.failed(), error, out.str()};
}

}  // namespace testing_support
