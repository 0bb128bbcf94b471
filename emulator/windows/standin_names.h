/* The name under which the stand-in defines a Windows function. On POSIX it
 * is the function's own name. On Windows the system's libraries define the
 * same names and its headers declare them (imported, some as never
 * returning), so the stand-in defines StandIn<name> and the definition file
 * of cmake/StandInExports.cmake exports it under the system's name. */
#ifndef BRIMSTAR_EMULATOR_WINDOWS_STANDIN_NAMES_H
#define BRIMSTAR_EMULATOR_WINDOWS_STANDIN_NAMES_H

#if defined(_WIN32)
#define STANDIN(name) StandIn##name
#else
#define STANDIN(name) name
#endif

#endif
