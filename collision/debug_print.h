/* The collision library's way into the host's debug line. */
#ifndef BRIMSTAR_COLLISION_DEBUG_PRINT_H
#define BRIMSTAR_COLLISION_DEBUG_PRINT_H

/* Replaces the debug line with the text, a doubled percent sign written as
 * one and every other character as it is, cut to the line's capacity.
 * Returns the count of characters written. */
extern "C" int SvcDebugPrint(const char* text);

#endif
