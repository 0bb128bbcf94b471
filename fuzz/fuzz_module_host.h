/* One emulated host for a fuzzing process with the module loaded from a copy
 * of the build's emulated root, as brimstar-sim loads it, holding a planet
 * and one ship saved as `ModuleHostStart()`. The module is never unloaded: a
 * library the fuzzer counts coverage in must stay mapped. */
#ifndef BRIMSTAR_FUZZ_FUZZ_MODULE_HOST_H
#define BRIMSTAR_FUZZ_FUZZ_MODULE_HOST_H

#include "emulator/host/host.h"

emu::Host& ModuleHost();
/* The host scenario that gives each input the same small world */
const char* ModuleHostStart();

#endif
