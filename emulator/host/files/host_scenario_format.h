/* The words of the host's own scenario files that its writer and its reader
 * share. A file opens with the magic line and closes with the last line;
 * a file without its last line was cut short.
 *
 *   BRIMSTAR-HOST-SCENARIO 2
 *   BEGIN_DESC ... END_DESC              each line a quoted text
 *   BEGIN_ENVIRONMENT ... END_ENVIRONMENT  TIME, MJD, GRAVITY 0|1
 *   BEGIN_BODIES  "Earth"  items  END ... END_BODIES
 *   BEGIN_FOCUS  Ship "My Ship"  END_FOCUS
 *   BEGIN_SHIPS  "My Ship":"Ship"  items  END ... END_SHIPS
 *   BEGIN_MODULE "plugin\\brimstar!"  the module's items  END_MODULE
 *   END_SCENARIO
 */
#ifndef BRIMSTAR_EMULATOR_HOST_HOST_SCENARIO_FORMAT_H
#define BRIMSTAR_EMULATOR_HOST_HOST_SCENARIO_FORMAT_H

namespace emu {

const char* const scenarioMagic = "BRIMSTAR-HOST-SCENARIO 2";
const char* const scenarioLastLine = "END_SCENARIO";

/* The clock a scenario may hold, either way from zero: at 1e12 s a step of
 * a millisecond still moves it, at -1e300 no step would. */
const double scenarioClockLimit = 1e12;

}  // namespace emu

#endif
