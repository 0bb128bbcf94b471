/* What the platform says of the libraries mapped in the process, asked
 * without taking a reference, so that asking never keeps one mapped. */
#ifndef BRIMSTAR_EMULATOR_HOST_LIBRARY_PRESENCE_H
#define BRIMSTAR_EMULATOR_HOST_LIBRARY_PRESENCE_H

#include "windows_subset.h"

#include <string>

namespace emu {

/* The library's handle while it is mapped, or null; the name is the
 * module's own, with backslashes. */
HMODULE MappedLibrary(const std::string& fileName);
/* The mapped library whose code this is, or null */
HMODULE LibraryHolding(const void* code);

}  // namespace emu

#endif
