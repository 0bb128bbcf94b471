/* One emulated host for a fuzzing process, in a root folder of its own, with
 * a planet and a ship. The module's objects are linked in, not loaded. */
#ifndef BRIMSTAR_FUZZ_FUZZ_HOST_H
#define BRIMSTAR_FUZZ_FUZZ_HOST_H

#include "emulator/host/host.h"
#include "host/host_api.h"

#include <cstddef>
#include <cstdint>
#include <string>

emu::Host& FuzzHost();
OBJHANDLE FuzzShip();

/* The input as a text without zero bytes (a zero ends it). */
std::string AsText(const std::uint8_t* data, std::size_t size);

#endif
