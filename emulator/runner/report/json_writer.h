/* JSON for the report's page: strings escaped so that no name, line or
 * typed text can end the script element that holds them or run as markup,
 * numbers short. */
#ifndef BRIMSTAR_RUNNER_REPORT_JSON_WRITER_H
#define BRIMSTAR_RUNNER_REPORT_JSON_WRITER_H

#include "flight_record.h"

#include <ostream>
#include <string>

namespace report {

/* The text as a JSON string, quotes included. "<", ">" and "&", control
 * characters, U+2028 and U+2029 are written as \u escapes; a byte that is
 * not part of valid UTF-8 is written as the character of its value. */
std::string JsonString(const std::string& text);

/* The number with at most the given significant digits; null when not finite. */
std::string JsonNumber(double value, int digits = 6);

void WriteRecordJson(std::ostream& out, const FlightRecord& record);

}  // namespace report

#endif
