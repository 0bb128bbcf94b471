/* A scenario played in a fresh host with the flight log and the report's
 * recorder listening, as the runner plays it for --report: the record it
 * leaves, and the page made of it when asked. */
#ifndef BRIMSTAR_TESTS_SUPPORT_RECORDED_FLIGHT_H
#define BRIMSTAR_TESTS_SUPPORT_RECORDED_FLIGHT_H

#include "emulator/host/session/host_observer.h"
#include "emulator/runner/report/flight_record.h"
#include "emulator/runner/script/scenario_script.h"

#include <string>

namespace testing_support {

report::FlightRecord RecordFlight(const runner::Script& script, std::string* page = nullptr,
                                  emu::HostObserver* alsoWatching = nullptr);

/* One of examples/, read and recorded. */
report::FlightRecord RecordExample(const std::string& name, emu::HostObserver* alsoWatching = nullptr);

}  // namespace testing_support

#endif
