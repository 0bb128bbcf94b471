/* Firing bombs ahead of a vessel, once or in a timed sequence. A bomb's
 * settings travel in its name, "Nuke/<delay>/<duration>/<power in kt>". */
#ifndef BRIMSTAR_WEAPONS_NUKE_LAUNCH_H
#define BRIMSTAR_WEAPONS_NUKE_LAUNCH_H

#include "weapon_slots.h"

#include <cstddef>

/* Room for a bomb's name, terminating zero included. */
const std::size_t nukeNameSize = 256;

/* The bomb name of the slot's settings; false, with nothing usable in the
 * buffer, when a setting is not finite or the name would not fit. */
bool FormatNukeName(char* buffer, std::size_t size, const WeaponSlot& slot);

/* Creates one bomb from the slot, ahead of its vessel; true when the host
 * created it. Refuses a slot whose vessel no longer exists, and a start
 * position or velocity that is not finite. */
bool FireNuke(int slot);

/* Fires every slot whose sequence is due, at most once each per step. */
void WeaponSequenceStep(double simt);

#endif
