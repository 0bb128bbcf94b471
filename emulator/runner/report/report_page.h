/* The flight report: one HTML page that holds its own style, script and
 * data, and needs nothing else to open. */
#ifndef BRIMSTAR_RUNNER_REPORT_REPORT_PAGE_H
#define BRIMSTAR_RUNNER_REPORT_REPORT_PAGE_H

#include "flight_record.h"

#include <ostream>

namespace report {

void WritePage(std::ostream& out, const FlightRecord& record);

}  // namespace report

#endif
