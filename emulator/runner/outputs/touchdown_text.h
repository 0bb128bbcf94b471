/* A touchdown as the log, the trace and the report say it: when, where on
 * the planet (degrees east and north, as a person reads a map) and how fast
 * against the ground. */
#ifndef BRIMSTAR_RUNNER_TOUCHDOWN_TEXT_H
#define BRIMSTAR_RUNNER_TOUCHDOWN_TEXT_H

#include "emulator/host/world/surface_contact.h"

#include <string>

namespace runner {

/* "touched down at 10.0031 s, longitude 12.3457°, latitude -0.0001°, at
 * 10.00 m/s against the ground" */
std::string TouchdownText(const emu::Touchdown& where);

}  // namespace runner

#endif
