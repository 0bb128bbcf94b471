#include "support/recorded_flight.h"

#include "support/emulated_root.h"

#include "emulator/runner/outputs/flight_log.h"
#include "emulator/runner/outputs/observer_fanout.h"
#include "emulator/runner/report/recorder.h"
#include "emulator/runner/report/report_page.h"
#include "emulator/runner/run/script_player.h"

#include <gtest/gtest.h>

#include <sstream>

namespace testing_support {

report::FlightRecord RecordFlight(const runner::Script& script, std::string* page, emu::HostObserver* alsoWatching)
{
    EmulatedRoot root;
    std::ostringstream out;
    emu::Host host(root.path());
    runner::FlightLog log(host, out);
    report::Recorder recorder(host, script);
    runner::ObserverFanout observers;
    observers.add(&log);
    observers.add(&recorder);
    if (alsoWatching)
        observers.add(alsoWatching);
    log.listen(&recorder);
    host.setObserver(&observers);
    std::string error;
    EXPECT_TRUE(runner::PlayScript(host, script, log, error)) << error;
    host.setObserver(nullptr);
    report::FlightRecord record = recorder.finish();
    if (page) {
        std::ostringstream html;
        report::WritePage(html, record);
        *page = html.str();
    }
    return record;
}

report::FlightRecord RecordExample(const std::string& name, emu::HostObserver* alsoWatching)
{
    runner::Script script;
    std::string error;
    EXPECT_TRUE(runner::ReadScript(std::string(BRIMSTAR_SOURCE_DIR) + "/examples/" + name, script, error)) << error;
    return RecordFlight(script, nullptr, alsoWatching);
}

}  // namespace testing_support
