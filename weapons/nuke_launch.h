/* Firing bombs ahead of a vessel, once or in a timed sequence. A bomb's
 * settings travel in its name, "Nuke/<delay>/<duration>/<power in kt>". */
#ifndef BRIMSTAR_WEAPONS_NUKE_LAUNCH_H
#define BRIMSTAR_WEAPONS_NUKE_LAUNCH_H

#include "weapon_slots.h"

#include <cstddef>

/* Room for a bomb's name, terminating zero included. */
const std::size_t nukeNameSize = 256;

const char nukeClassName[] = "nuke";

/* The longest bomb name the host can save and load back. It formats
 * "class (name)" into 256 bytes: the class's four letters, " (", ")" and
 * the terminator leave 248 characters. (The saved line "name:nuke" fits
 * its own 256 bytes with room to spare.) */
const std::size_t longestNukeName = 256 - (sizeof nukeClassName - 1) - 3 - 1;

/* The bomb name of the slot's settings; false, with nothing usable in the
 * buffer, when a setting is not finite or the name would not fit the
 * buffer or be longer than the host can load back. */
bool FormatNukeName(char* buffer, std::size_t size, const WeaponSlot& slot);

/* Creates one bomb from the slot, ahead of its vessel; true when the host
 * created it. Refuses a slot whose vessel no longer exists, and a start
 * position or velocity that is not finite. */
bool FireNuke(int slot);

/* Fires every slot whose sequence is due, at most once each per step. */
void WeaponSequenceStep(double simt);

#endif
